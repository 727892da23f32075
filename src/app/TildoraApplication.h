// The application object: Spanish texts for Qt's own dialogs and the one error guard that
// turns an exception escaping any handler into the standard error box.
#pragma once

#include <QApplication>
#include <QTranslator>

class TildoraApplication : public QApplication {
    Q_OBJECT
public:
    TildoraApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void installSpanishTranslations();

    QTranslator m_qtTranslator;
};
