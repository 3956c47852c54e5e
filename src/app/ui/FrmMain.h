#pragma once

#include <QMainWindow>

// The main window: menus, toolbar, status bar and the work area holding the
// document windows.
class FrmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmMain(QWidget *parent = nullptr);
};
