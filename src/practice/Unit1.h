// The practice window TForm1: the word board, its counters and the hub of the program.
#pragma once

#include <QMainWindow>

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
};

extern TForm1 *Form1;
