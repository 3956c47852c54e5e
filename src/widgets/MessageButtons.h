#pragma once

class QMessageBox;

// Gives a message box's standard buttons their Chinese captions; Qt's own
// translations are not installed with the program.
void useChineseButtonTexts(QMessageBox &box);
