// The student-data dialog TDatosBox.
#pragma once

#include <QDialog>

class TDatosBox : public QDialog {
    Q_OBJECT
public:
    explicit TDatosBox(QWidget *parent = nullptr);
};

extern TDatosBox *DatosBox;
