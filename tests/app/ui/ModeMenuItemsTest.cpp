// Every item of the draw-mode and paste-mode submenus, triggered by name:
// the mode it sets on the active canvas and in the submenu's Tag, its check
// mark and its shortcut. The expected codes are written out here, not read
// from the menu's own table, so two items with swapped codes fail.
#include "support/MainWindowFixture.h"

#include "raster/PictureSurface.h"

#include <QKeySequence>

#include <set>

namespace {

struct ModeRow
{
    const char *name;
    double value;
    const char *shortcut;
};

const ModeRow DrawModes[] = {
    { "mnudrawvbblackness", 1, "Ctrl+F1" },
    { "mnudrawvbwhiteness", 16, "Ctrl+F2" },
    { "mnudrawvbcopypen", 13, "Ctrl+F3" },
    { "mnudrawvbnop", 11, "Ctrl+F4" },
    { "mnudrawvbmergepen", 15, "Ctrl+F5" },
    { "mnudrawvbmergenotpen", 12, "Ctrl+F6" },
    { "mnudrawvbmergepennot", 14, "Ctrl+F7" },
    { "mnudrawvbxorpen", 7, "Ctrl+F8" },
    { "mnudrawvbmasknotpen", 3, "Ctrl+F9" },
    { "mnudrawvbmaskpennot", 5, "Ctrl+F11" },
    { "mnudrawvbmaskpen", 9, "Ctrl+F12" },
    { "mnudrawvbnotcopypen", 4, "Shift+F1" },
    { "mnudrawvbinvert", 6, "Shift+F2" },
    { "mnudrawvbnotmergepen", 2, "Shift+F3" },
    { "mnudrawvbnotxorpen", 10, "Shift+F4" },
    { "mnudrawvbnotmaskpen", 8, "Shift+F5" },
};

const ModeRow PasteModes[] = {
    { "mnuvbsrccopy", 13369376, "Ctrl+Shift+F1" },
    { "mnuvbsrcpaint", 15597702, "Ctrl+Shift+F2" },
    { "mnuvbmergepaint", 12255782, "Ctrl+Shift+F3" },
    { "mnuvbsrcinvert", 6684742, "Ctrl+Shift+F4" },
    { "mnuvbsrcerase", 4457256, "Ctrl+Shift+F5" },
    { "mnuvbnotsrccopy", 3342344, "Ctrl+Shift+F6" },
    { "mnuvbdstinvert", 5570569, "Ctrl+Shift+F7" },
    { "mnuvbnotsrcerase", 1114278, "Ctrl+Shift+F8" },
    { "mnuvbsrcand", 8913094, "Ctrl+Shift+F9" },
};

QString decimal(double value)
{
    return QString::number(qint64(value));
}

class ModeMenuItems : public MainWindowTest
{
protected:
    // The names of the checked items among `rows`.
    QStringList checkedAmong(const ModeRow *rows, size_t count) const
    {
        QStringList checked;
        for (size_t k = 0; k < count; ++k) {
            if (action(rows[k].name)->isChecked())
                checked << QString::fromLatin1(rows[k].name);
        }
        return checked;
    }
};

}

TEST_F(ModeMenuItems, EachDrawModeItemSetsItsOwnModeOnTheActiveCanvas)
{
    // Two pictures, so the mode must reach the active one, not the first.
    run("mnuFileNew");
    ASSERT_EQ(active(), module().hEditList(2));
    std::set<int> modes;
    for (const ModeRow &row : DrawModes) {
        SCOPED_TRACE(row.name);
        run(row.name);
        EXPECT_EQ(active()->Picture1().DrawMode(), int(row.value));
        EXPECT_EQ(module().mnudrawmode().Tag(), decimal(row.value));
        EXPECT_EQ(checkedAmong(DrawModes, std::size(DrawModes)),
            QStringList(QString::fromLatin1(row.name)));
        modes.insert(int(row.value));
    }
    EXPECT_EQ(modes.size(), 16u);
}

TEST_F(ModeMenuItems, EachPasteModeItemSetsItsOwnOperation)
{
    for (const ModeRow &row : PasteModes) {
        SCOPED_TRACE(row.name);
        run(row.name);
        EXPECT_EQ(module().mnupastemode().Tag(), decimal(row.value));
        EXPECT_EQ(checkedAmong(PasteModes, std::size(PasteModes)),
            QStringList(QString::fromLatin1(row.name)));
    }
}

TEST_F(ModeMenuItems, EveryDrawAndPasteModeItemHasItsShortcut)
{
    QStringList shortcuts;
    for (const ModeRow &row : DrawModes) {
        EXPECT_EQ(action(row.name)->shortcut().toString(QKeySequence::PortableText), row.shortcut)
            << row.name;
        shortcuts << QString::fromLatin1(row.shortcut);
    }
    for (const ModeRow &row : PasteModes) {
        EXPECT_EQ(action(row.name)->shortcut().toString(QKeySequence::PortableText), row.shortcut)
            << row.name;
        shortcuts << QString::fromLatin1(row.shortcut);
    }
    shortcuts.removeDuplicates();
    EXPECT_EQ(shortcuts.size(), qsizetype(std::size(DrawModes) + std::size(PasteModes)));
}
