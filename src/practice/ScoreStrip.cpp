// The score strip: its box, gauges, captions and pictures, and the gauges' following of the
// strip readings.
#include "practice/ScoreStrip.h"

#include "exercises/ExerciseScores.h"
#include "practice/PracticeControls.h"
#include "widgets/FilledBox.h"
#include "widgets/Gauges.h"

using namespace PracticeControls;

ScoreStrip::ScoreStrip(const ExerciseScores &scores, QWidget *parent) : QWidget(parent), m_scores(scores)
{
    setObjectName(QStringLiteral("scoreStrip"));
    resize(705, 117);
    const TColor stripColor = Colors::stripBlue;
    auto *box = place<FilledBox>(this, "Shape1", 0, 0, 705, 117);
    box->setRounded(true);
    box->setBrushColor(stripColor);
    placePicture(this, "Image1", 608, 3, 81, 113, QStringLiteral(":/resources/alumno.rgba"));
    WindowControls::placeBevel(this, "Bevel2", QRect(16, 8, 449, 105));

    const QFont stripFont = unshapedFont(QStringLiteral("Comic Sans MS"), 13);
    struct Part {
        const char *gaugeName;
        const char *labelName;
        int gaugeLeft;
        int labelLeft;
        int size;
        TColor color;
        QString caption;
        QString labelText;
    };
    const std::array<Part, 5> parts{{
        {"Gauge1", "Label6", 48, 48, 49, Colors::clAqua, QStringLiteral("Tablero"), QStringLiteral("Tablero")},
        {"Gauge2", "Label7", 120, 120, 49, Colors::clAqua, QStringLiteral("Ejemplos"), QStringLiteral("Ejemplos")},
        {"Gauge3", "Label8", 192, 192, 49, Colors::clAqua, QStringLiteral("Frases"), QStringLiteral("Frases")},
        {"Gauge4", "Label9", 264, 256, 49, Colors::clAqua, QStringLiteral("Cuestiones"), QStringLiteral("Cuestiones")},
        {"Gaugetot", "Label5", 376, 384, 57, Colors::stripTotalGreen, QStringLiteral("Total"), QStringLiteral("TOTAL")},
    }};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Part &part = parts[i];
        auto *gauge = place<Gauge>(this, part.gaugeName, part.gaugeLeft, 24, part.size, part.size);
        gauge->setKind(gkPie);
        gauge->setBorderStyle(Gauge::bsNone);
        gauge->setBackColor(stripColor);
        gauge->setColor(stripColor);
        gauge->setForeColor(part.color);
        gauge->setFont(stripFont);
        gauge->setAccessibleCaption(part.caption);
        m_gauges[i] = gauge;
    }
    // The captions after the gauges, as they were made: the stacking stays as designed.
    for (const Part &part : parts)
        WindowControls::placeLabel(this, part.labelName, part.labelLeft, 80, part.labelText, stripFont, Colors::clYellow);

    QLabel *medal = placePicture(this, "Image3", 472, 16, 129, 89, QStringLiteral(":/resources/medalla.rgba"));
    medal->setAccessibleName(QStringLiteral("Medalla"));

    showReading();
    connect(&scores, &ExerciseScores::stripChanged, this, &ScoreStrip::showReading);
}

void ScoreStrip::showReading()
{
    // The gauges repaint only when their percentage changes.
    const ResultsSummary::StripFigures &figures = m_scores.strip();
    const std::array<int, 5> values{figures.board, figures.examples, figures.phrases, figures.questions,
                                    figures.total};
    for (std::size_t i = 0; i < values.size(); ++i)
        m_gauges[i]->setProgress(values[i]);
}
