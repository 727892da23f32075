// The page "Frases y palabras" of the help window: putting the accents back into phrases.
#pragma once

#include <QObject>

class QLabel;
class TTabPage;

class PhrasesPage : public QObject {
    Q_OBJECT
public:
    explicit PhrasesPage(TTabPage *page);

    QLabel *Tpercentfrases = nullptr;

    // The phrase percentage of the last correction; only this page shows it.
    long double phrasePercent = 0;
};
