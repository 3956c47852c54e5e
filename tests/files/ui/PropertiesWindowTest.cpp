#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"
#include "support/ModalWindowAnswer.h"

#include "base/Twips.h"
#include "files/DosAttributes.h"
#include "files/PropertiesLayout.h"
#include "files/ui/FrmFileInf.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class PropertiesWindowTest : public MainWindowTest
{
protected:
    // Gives the active picture a file of `name` as Save would.
    QString saved(const QString &name)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(777, 'x'));
        file.close();
        active()->setCaption(path);
        return path;
    }

    static void tick(FrmFileInf &dialog, const char *name, bool on)
    {
        dialog.findChild<QCheckBox *>(QString::fromLatin1(name))->setChecked(on);
    }

    static void press(FrmFileInf &dialog, const char *name)
    {
        dialog.findChild<QPushButton *>(QString::fromLatin1(name))->click();
    }

    QTemporaryDir dir;
};

}

TEST_F(PropertiesWindowTest, ANeverSavedPictureShowsOnlyTheWarning)
{
    ModalAnswer ok({ QMessageBox::Ok });
    ModalWindowAnswer<FrmFileInf> dialog([](FrmFileInf &d) { d.reject(); });
    run("mnuFileProperties");
    ASSERT_EQ(ok.names, QStringList({ "FileNotSaved" }));
    EXPECT_EQ(ok.titles[0], "New Picture 1");
    EXPECT_EQ(dialog.seen, 0);
}

TEST_F(PropertiesWindowTest, ShowsTheFileAndGrowsForALongPath)
{
    const QString path = saved(QString(64, QLatin1Char('n')) + ".bmp");
    QString name, folder;
    int nameHeight = 0, height = 0;
    ModalWindowAnswer<FrmFileInf> dialog([&](FrmFileInf &d) {
        name = d.findChild<QPlainTextEdit *>("filenametext")->toPlainText();
        folder = d.findChild<QPlainTextEdit *>("filepathtext")->toPlainText();
        nameHeight = d.findChild<QPlainTextEdit *>("filenametext")->height();
        height = d.height();
        press(d, "Command2");
    });
    run("mnuFileProperties");
    ASSERT_EQ(dialog.seen, 1);
    EXPECT_EQ(name, path);
    EXPECT_EQ(folder, dir.path() + "/");
    const PropertiesLayout layout(int(path.size()), int(folder.size()));
    EXPECT_GE(layout.nameLines(), 4);
    EXPECT_EQ(nameHeight, Twips::toPixels(layout.nameBoxHeight()));
    EXPECT_EQ(height, Twips::toPixels(layout.dialogHeight()));
}

TEST_F(PropertiesWindowTest, OkWritesTheTickedAttributesAndCancelNothing)
{
    const QString path = saved("cat.bmp");
    const auto before = DosAttributes::read(path);
    ASSERT_TRUE(before);
    int word = -1;
    ModalWindowAnswer<FrmFileInf> cancel([&](FrmFileInf &d) {
        tick(d, "Check1", true);
        tick(d, "Check2", true);
        press(d, "Command2");
    });
    run("mnuFileProperties");
    EXPECT_EQ(DosAttributes::read(path)->word, before->word);
    EXPECT_TRUE(QFile(path).permissions() & QFileDevice::WriteOwner);

    ModalWindowAnswer<FrmFileInf> ok([&](FrmFileInf &d) {
        tick(d, "Check2", true);
        tick(d, "Check4", true);
        word = d.attributeWord();
        press(d, "Command1");
    });
    run("mnuFileProperties");
    EXPECT_EQ(word, 34);
    // Without user extended attributes the two boxes are disabled and only
    // read-only could be kept.
    if (before->extended)
        EXPECT_EQ(DosAttributes::read(path)->word, 34);
}
