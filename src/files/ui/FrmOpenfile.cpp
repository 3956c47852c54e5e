#include "files/ui/FrmOpenfile.h"

#include "app/ModuleMain.h"
#include "base/Twips.h"
#include "files/PictureFolder.h"
#include "files/PreviewLayout.h"
#include "files/ui/CommonDialogHost.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {

QLabel *label(const char *name, const char *text, QWidget *parent)
{
    auto *l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

double twips(int pixels)
{
    return Twips::fromPixels(pixels);
}

}

FrmOpenfile::FrmOpenfile(ModuleMain &module, const QString &programFolder, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_files(module, *this, programFolder)
{
    setObjectName(QStringLiteral("FrmOpenfile"));
    setWindowTitle(QStringLiteral(" Pictures Explorer"));
    buildControls();
    connect(&m_loader, &PreviewLoader::ready, this, &FrmOpenfile::showPreview);
    move(0, 0);
    resize(864, 550);
    setDrives(MountedDrives::list(QDir::homePath()));
    setFolder(m_files.initialFolder());
}

FrmOpenfile::~FrmOpenfile() = default;

void FrmOpenfile::buildControls()
{
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    m_folderPath = label("Dir1Path", "", this);
    m_folderPath->setWordWrap(true);
    Dir1 = new QListWidget(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    Picture0 = new QWidget(this);
    Picture0->setObjectName(QStringLiteral("Picture0"));
    Picture0->setAutoFillBackground(true);
    Picture1 = label("Picture1", "", Picture0);
    m_note = label("PreviewNote", "", Picture0);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);
    HScroll1 = new QScrollBar(Qt::Horizontal, Picture0);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    VScroll1 = new QScrollBar(Qt::Vertical, Picture0);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setToolTip(QStringLiteral("图片尺寸(长高)"));
    Command1 = new QPushButton(QStringLiteral("打 开(&O)"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("取 消(&C)"), this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(label("Label2", "磁盘：", this), 0, 0);
    grid->addWidget(Drive1, 1, 0);
    grid->addWidget(label("Label3", "文件夹：", this), 2, 0);
    grid->addWidget(m_folderPath, 3, 0);
    grid->addWidget(Dir1, 4, 0);
    grid->addWidget(label("Label4", "文件：", this), 5, 0);
    grid->addWidget(File1, 6, 0);
    grid->addWidget(Picture0, 0, 1, 7, 4);
    grid->addWidget(label("Label1", "图片尺寸：", this), 7, 1);
    grid->addWidget(Text1, 7, 2);
    grid->addWidget(Command1, 7, 3);
    grid->addWidget(Command2, 7, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0, 240);
    grid->setRowStretch(4, 1);
    grid->setRowStretch(6, 2);

    connect(Drive1, &QComboBox::currentIndexChanged, this, &FrmOpenfile::Drive1_Change);
    connect(Dir1, &QListWidget::itemActivated, this, &FrmOpenfile::Dir1_Activated);
    connect(File1, &QListWidget::currentRowChanged, this, &FrmOpenfile::File1_Changed);
    connect(File1, &QListWidget::itemActivated, this, &FrmOpenfile::openSelected);
    connect(Command1, &QPushButton::clicked, this, &FrmOpenfile::openSelected);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        Picture1->move(Twips::toPixels(PreviewLayout::panned(value)), Picture1->y());
    });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        Picture1->move(Picture1->x(), Twips::toPixels(PreviewLayout::panned(value)));
    });
    Picture0->installEventFilter(this);
    Picture1->installEventFilter(this);
}

void FrmOpenfile::setDrives(const QList<Drive> &drives)
{
    m_drives = drives;
    const QSignalBlocker quiet(Drive1);
    Drive1->clear();
    for (const Drive &drive : drives)
        Drive1->addItem(drive.caption());
    m_drive = -1;
    // The drive shown is the one holding the current folder.
    qsizetype longest = -1;
    for (qsizetype i = 0; i < drives.size(); ++i) {
        const QString root = drives[i].rootPath;
        const bool holds
            = m_folder == root || m_folder.startsWith(root.endsWith('/') ? root : root + '/');
        if (holds && root.size() > longest) {
            longest = root.size();
            m_drive = int(i);
        }
    }
    Drive1->setCurrentIndex(m_drive);
}

void FrmOpenfile::setFolder(const QString &folder)
{
    m_folder = QDir::cleanPath(folder);
    m_folderPath->setText(m_folder);
    Dir1->clear();
    Dir1->addItems(PictureFolder::subfolders(m_folder));
    File1->clear();
    File1->addItems(PictureFolder::pictures(m_folder));
    if (m_drive < 0)
        setDrives(m_drives);
}

void FrmOpenfile::Drive1_Change(int index)
{
    if (index < 0 || index >= m_drives.size())
        return;
    const Drive &drive = m_drives[index];
    for (;;) {
        if (MountedDrives::isReady(drive.rootPath)) {
            m_drive = index;
            setFolder(drive.rootPath);
            break;
        }
        if (show(FileMessages::driveNotReady(drive.caption())) != FileMessage::Answer::Retry) {
            const QSignalBlocker quiet(Drive1);
            Drive1->setCurrentIndex(m_drive);
            break;
        }
    }
    setTopmost(true);
}

void FrmOpenfile::Dir1_Activated()
{
    if (QListWidgetItem *item = Dir1->currentItem())
        setFolder(PictureFolder::enter(m_folder, item->text()));
}

QString FrmOpenfile::selectedPath() const
{
    const QListWidgetItem *item = File1->currentItem();
    return PictureFolder::fullPath(m_folder, item ? item->text() : QString());
}

void FrmOpenfile::File1_Changed()
{
    const QString path = selectedPath();
    if (path.isEmpty()) {
        m_loader.cancel();
        return;
    }
    // The old picture stays until the new one is read, so scrolling through
    // the list does not flash.
    m_loader.request(path);
}

void FrmOpenfile::showPreview(const QString &, const LoadedPicture &picture)
{
    Picture1->hide();
    HScroll1->setValue(0);
    VScroll1->setValue(0);
    if (picture.opened()) {
        Picture1->setPixmap(QPixmap::fromImage(picture.image));
        Picture1->resize(picture.image.size());
        m_note->clear();
        m_note->hide();
        Picture1->show();
    } else {
        // No message box: the list is scrolled through quickly, and a box per
        // unreadable file would stop every step.
        Picture1->clear();
        Picture1->resize(0, 0);
        m_note->setText(picture.reason);
        m_note->show();
    }
    Picture1_Resize();
}

void FrmOpenfile::Picture1_Resize()
{
    const QSizeF bars(twips(VScroll1->sizeHint().width()), twips(HScroll1->sizeHint().height()));
    const QSizeF viewport(twips(Picture0->width()), twips(Picture0->height()));
    const QSizeF picture(twips(Picture1->width()), twips(Picture1->height()));
    const PreviewGeometry g = PreviewLayout::layout(viewport, bars, picture);
    const int barWidth = VScroll1->sizeHint().width();
    const int barHeight = HScroll1->sizeHint().height();
    VScroll1->setGeometry(
        Picture0->width() - barWidth, 0, barWidth, Picture0->height() - barHeight);
    HScroll1->setGeometry(
        0, Picture0->height() - barHeight, Picture0->width() - barWidth, barHeight);
    VScroll1->setMaximum(g.verticalMaximum);
    HScroll1->setMaximum(g.horizontalMaximum);
    Picture1->move(Twips::toPixels(g.left), Twips::toPixels(g.top));
    m_note->setGeometry(0, 0, Picture0->width() - barWidth, Picture0->height() - barHeight);
    Text1->setText(picture.isEmpty() ? QString() : PreviewLayout::sizeText(picture));
    VScroll1->raise();
    HScroll1->raise();
}

bool FrmOpenfile::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture0 && event->type() == QEvent::Resize)
        Picture1_Resize();
    if (watched == Picture1 && event->type() == QEvent::MouseButtonDblClick)
        openSelected();
    return QWidget::eventFilter(watched, event);
}

void FrmOpenfile::openSelected()
{
    const QString path = selectedPath();
    if (path.isEmpty())
        return;
    m_files.openPath(path);
    setTopmost(true);
}

void FrmOpenfile::setTopmost(bool on)
{
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) == on)
        return;
    const bool visible = isVisible();
    const QRect place = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    setGeometry(place);
    if (visible)
        QWidget::show();
}

std::optional<QString> FrmOpenfile::askFileName(const FileDialogSpec &)
{
    return std::nullopt;
}

FileMessage::Answer FrmOpenfile::show(const FileMessage &message)
{
    // A box of ours must come in front of a window that stays on top.
    setTopmost(false);
    CommonDialogHost boxes(this);
    const FileMessage::Answer answer = boxes.show(message);
    setTopmost(true);
    return answer;
}
