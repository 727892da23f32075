// The help-and-exercises window TAyuda.
#pragma once

#include <QWidget>

class TAyuda : public QWidget {
    Q_OBJECT
public:
    explicit TAyuda(QWidget *parent = nullptr);
};

extern TAyuda *Ayuda;
