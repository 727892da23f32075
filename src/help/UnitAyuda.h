// The help-and-exercises window TAyuda: the accentuation rules and the three further exercises.
#pragma once

#include "ui/DialogService.h"

#include <QWidget>

class ExamplesPage;
class PhrasesPage;
class QFrame;
class QuestionsPage;
class RulesPage;
class QLabel;
class QTextEdit;
class QTimer;
class QToolButton;
class TMultiShape;
class TTabPage;
class TTabbedNotebook;

// Created hidden at start-up and kept for the whole run: hiding it (the return button or the
// close box) keeps every page as the student left it. The practice window shows it modelessly.
class TAyuda : public QWidget {
    Q_OBJECT
public:
    explicit TAyuda(QWidget *parent = nullptr);
    ~TAyuda() override;

    // The page indexes of TabbedNotebook1.
    enum Page { PageReglas = 0, PageEjemplos = 1, PageFrases = 2, PageCuestiones = 3 };

    // The instruction texts, lines joined by a lone CR; empty for a page without instructions.
    static QString instructionsFor(const QString &pageCaption);

    // Handlers.
    void FormCreate();
    void FormShow();
    void FormHide();
    void SpeedButton1Click();
    void VolverClick();
    void TabbedNotebook1Change(int NewTab, bool &AllowChange);
    void TabbedNotebook1Click();
    void Timer1Timer();

    // Controls, by the names the rest of the program knows them by.
    QFrame *Panel1 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *Volver = nullptr;
    TMultiShape *MultiShape2 = nullptr;
    TTabbedNotebook *TabbedNotebook1 = nullptr;
    QTimer *Timer1 = nullptr;
    FileDialogRequest OpenDialog1;

    // The four pages, each built and handled in its own class.
    RulesPage *rulesPage = nullptr;
    ExamplesPage *examplesPage = nullptr;
    PhrasesPage *phrasesPage = nullptr;
    QuestionsPage *questionsPage = nullptr;

    // What other windows read, owned by the pages.
    QTextEdit *RichEdit1 = nullptr;
    QLabel *porcen1 = nullptr;
    QLabel *Tpercentfrases = nullptr;
    QLabel *TCuestPercent = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildTopPanel();
    void buildNotebook();
};

extern TAyuda *Ayuda;
