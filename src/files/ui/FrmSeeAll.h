#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

// The whole-picture view: a copy of the canvas in a window of its own,
// centred along each axis on which it fits. Esc, a click on the picture or
// closing the window ends it, and the copy goes with it.
class FrmSeeAll : public QDialog
{
    Q_OBJECT
public:
    FrmSeeAll(const QImage &picture, QWidget *parent = nullptr);

    // Whether the view still holds its copy of the picture.
    bool holdsPicture() const { return !m_picture.isNull(); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    QImage m_picture;
    QLabel *Picture1 = nullptr;
};
