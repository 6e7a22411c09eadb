#pragma once

#include "fitting/FitEngine.h"

#include <QGroupBox>

class QLabel;
class QTableWidget;

// The results of a fit as every fit window shows them: a row per parameter
// (value, SE, asymptotic and profile 95 % intervals, unit), the residual SD,
// R², AICc and df, and a line of warnings or verdict. When the data change
// the results stay but are greyed, with "out of date: fit again".
class FitResultsPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit FitResultsPanel(const QString &title, QWidget *parent = nullptr);

    QTableWidget *tblParameters = nullptr;
    QLabel *lblStatistics = nullptr;
    QLabel *lblNote = nullptr;
    QLabel *lblOutOfDate = nullptr;

    // A fit's results (outcome Fitted) with the note below them.
    void showResult(const Fitting::FitResult &result, const QString &note = QString());
    // No results, only the note (why there is no fit).
    void showNote(const QString &note);
    // The data changed: the results shown no longer belong to them.
    void markOutOfDate();

    bool isOutOfDate() const { return m_outOfDate; }
    bool hasResult() const { return m_hasResult; }

private:
    void setOutOfDate(bool outOfDate);

    bool m_outOfDate = false;
    bool m_hasResult = false;
};
