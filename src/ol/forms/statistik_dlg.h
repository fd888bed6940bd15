// The statistics dialog TOlStatistikDlg (caption "statistik"): how full the
// definition files of the current competition are. Layout at 100 percent:
// client area 480 x 160, the memo meStatistik at (8, 8), 464 x 104, and an
// OK button at (194, 122), 92 x 27. The memo is filled as the dialog is
// created, and only while the definition files are open:
//
//   rutbeskrivningar: nnnnn kontroller: nnnnn [512]
//   banor: nnnnn  max kontroller per bana:  35
//
// (the numbers are the live records of the 24-line route description file,
// the control file and the course file, right-aligned in 5 characters; see
// StatisticsLines for the exact texts).
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QPlainTextEdit;

namespace oltoma::ol {

// The memo's lines (Windows-1252); none when the definition files are
// closed.
std::vector<std::string> StatisticsLines();

class TOlStatistikDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TOlStatistikDlg(QWidget* owner);

    QPlainTextEdit* meStatistik = nullptr;
};

// The opener of the "hjälp" "statistik" entry: shows the dialog modally
// inside the definition-file bracket, so it counts the current
// competition's files (it is empty, and MessageLine says "Filerna inte
// öppna", when they cannot be opened).
void ShowStatistics(QWidget* owner);

}  // namespace oltoma::ol
