// The page "Ejemplos" of the help window: sorting words into their accent groups.
#pragma once

#include <QObject>

class QLabel;
class TTabPage;

class ExamplesPage : public QObject {
    Q_OBJECT
public:
    explicit ExamplesPage(TTabPage *page);

    QLabel *porcen1 = nullptr;
};
