// The help-and-exercises window TAyuda: the accentuation rules and the three further exercises.
#pragma once

#include "ui/DialogService.h"

#include <QWidget>

class QFrame;
class QLabel;
class QTextEdit;
class QTimer;
class QToolButton;
class TCollapsePanel;
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
    // The rules text of RichEdit1, one entry per line.
    static QStringList rulesLines();

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

    // "Reglas"
    QTextEdit *RichEdit1 = nullptr;
    // "Ejemplos"
    QLabel *porcen1 = nullptr;
    // "Frases y palabras"
    QLabel *Tpercentfrases = nullptr;
    // "Cuestiones": the title strip and the six question groups, stacked in this order from the
    // top: 6, 5, 4, 1, 2, 3.
    QFrame *Bevel11 = nullptr;
    TCollapsePanel *CollapsePanel1 = nullptr;
    TCollapsePanel *CollapsePanel2 = nullptr;
    TCollapsePanel *CollapsePanel3 = nullptr;
    TCollapsePanel *CollapsePanel4 = nullptr;
    TCollapsePanel *CollapsePanel5 = nullptr;
    TCollapsePanel *CollapsePanel6 = nullptr;
    QLabel *TCuestPercent = nullptr;

    // The phrase percentage of the last correction; only this window shows it.
    long double phrasePercent = 0;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildTopPanel();
    void buildNotebook();
    void buildRulesPage(TTabPage *page);
    void buildExamplesPage(TTabPage *page);
    void buildPhrasesPage(TTabPage *page);
    void buildQuestionsPage(TTabPage *page);
    TCollapsePanel *makeQuestionPanel(TTabPage *page, const char *name, const QString &header,
                                      int expandedHeight);
};

extern TAyuda *Ayuda;
