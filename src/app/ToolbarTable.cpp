#include "app/ToolbarTable.h"

namespace ToolbarTable {

namespace {

ToolbarButton button(
    const char *key, const char *tooltip, const char *imageKey, const char *command, int group)
{
    return { QString::fromUtf8(key), QString::fromUtf8(tooltip), QString::fromLatin1(imageKey),
        QString::fromLatin1(command), group };
}

std::vector<ToolbarButton> makeButtons()
{
    return {
        button("新建", "新建图片", "New", "mnuFileNew", 1),
        button("打开", "打开图片", "Open", "mnuFileOpen", 1),
        button("保存", "保存图片", "Save", "mnuFileSave", 1),
        button("打印", "打印图片", "Print", "mnuFilePrint", 1),
        button("属性", "文件属性", "Properties", "mnuFileProperties", 1),
        button("复制", "复制", "Copy", "mnuEditCopy", 2),
        button("粘贴", "粘贴", "Paste", "mnuEditPaste", 2),
        // Undo and redo get their tooltips from the history (RefreshUndoMenus).
        button("撤消", "", "undo", "mnuEditUndo", 3),
        button("重复", "", "redo", "mnuEditRedo", 3),
        button("垂直翻转", "垂直翻转选中图片", "chuizhi", "mnuviewfanzhuan2", 4),
        button("水平翻转", "水平翻转选中图片", "shuiping", "mnuviewfanzhuan1", 4),
        button("对角翻转", "对角翻转选中图片", "duijiao", "mnuviewfanzhuan3", 4),
        button("图片字体", "图片字体", "Landscap", "mnufont", 5),
        button("背景色", "图片背景色", "backcolor", "mnueditbackcolor", 5),
        button("前景色", "图片前景色", "WORDCOLOR", "mnueditforecolor", 5),
        button("柔化", "柔化选中图片", "rouhua", "mnuviewsmooth", 6),
        button("锐化", "锐化选中图片", "ruihua", "mnuviewruihua", 6),
        button("浮雕", "浮雕化选中图片", "fudiao", "mnuviewfudiao", 6),
        button("油化", "油化选中图片", "youhua1", "mnuviewyouhua", 6),
        button("最大化", "最大化编辑窗口", "max", "mnuWindowmax", 7),
        button("层叠排列", "层叠排列编辑窗口", "ceng", "mnuWindowCascade", 7),
        button("纵向排列", "纵向排列编辑窗口", "shu", "mnuWindowTileVertical", 7),
        button("横向排列", "横向排列编辑窗口", "heng", "mnuWindowTileHorizontal", 7),
        button("帮助", "帮助", "Help", "mnuHelpContents", 8),
    };
}

}

const std::vector<ToolbarButton> &buttons()
{
    static const std::vector<ToolbarButton> table = makeButtons();
    return table;
}

const ToolbarButton *find(const QString &key)
{
    for (const ToolbarButton &b : buttons()) {
        if (b.key == key)
            return &b;
    }
    return nullptr;
}

QString commandFor(const QString &key)
{
    const ToolbarButton *b = find(key);
    return b ? b->command : QString();
}

QString iconPath(const ToolbarButton &button)
{
    return QStringLiteral(":/icons/toolbar/%1.svg").arg(button.imageKey);
}

}
