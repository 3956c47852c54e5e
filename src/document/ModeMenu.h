#pragma once

#include <QString>

#include <vector>

// One item of the draw-mode or paste-mode submenu. An item with the caption
// "-" is a separator and has no value.
struct ModeItem
{
    QString name;
    QString caption;
    double value = 0;
    QString shortcut;

    bool isSeparator() const { return caption == QLatin1String("-"); }
};

// A submenu whose current value is kept as decimal text in its Tag
// (`mnudrawmode`, `mnupastemode`). The menu shows a check mark on exactly the
// items whose value equals the Tag; the windows only mirror that.
class ModeMenu
{
public:
    ModeMenu(QString name, std::vector<ModeItem> items, double initial);

    QString name() const { return m_name; }
    const std::vector<ModeItem> &items() const { return m_items; }

    QString Tag() const { return m_tag; }
    // Stores the value as decimal text ("13", "13369376").
    void setValue(double value);
    // The Tag read as a number; 0 when it holds no number.
    double value() const;

    bool isChecked(const QString &itemName) const;
    // The name of the checked item, empty when the Tag matches none.
    QString checkedItem() const;
    const ModeItem *find(const QString &itemName) const;

    static QString decimalText(double value);

    static ModeMenu drawModeMenu();
    static ModeMenu pasteModeMenu();

private:
    QString m_name;
    std::vector<ModeItem> m_items;
    QString m_tag;
};
