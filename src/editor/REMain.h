// The phrase-file editor window TMainForm.
#pragma once

#include <QMainWindow>

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
};

extern TMainForm *MainForm;
