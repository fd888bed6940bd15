// A status bar of side-by-side text panels, as the base main window shows
// its data directory, settings, data status and latest messages. Each panel
// has a width and a bevel; the last panel reaches to the bar's right edge.
// Texts are centred and cut with "…" when they do not fit; the tool tip of
// a cut panel is its whole text (else the bar's own tool tip shows).
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

namespace oltoma {

class PanelStatusBar : public QWidget {
    Q_OBJECT

public:
    struct Panel {
        int width = 0;
        bool raised = false;  // raised bevel, else lowered
        QString text;
    };

    PanelStatusBar(const QString& name, std::vector<Panel> panels, QWidget* parent);

    int panelCount() const { return static_cast<int>(panels_.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    int panelWidth(int panel) const;
    void setPanelWidth(int panel, int width);

    // A text shown in panel 0 in place of its own while it is not empty
    // (the hint of the control under the mouse).
    void setHintOverlay(const QString& text);
    QString hintOverlay() const { return hintOverlay_; }

    // The whole text of the panel at `position` when the panel shows it
    // cut; empty otherwise.
    QString cutTextAt(QPoint position) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool Valid(int panel) const { return panel >= 0 && panel < panelCount(); }
    QRect Cell(int panel) const;
    QRect TextArea(int panel) const;
    QString ShownText(int panel) const;

    std::vector<Panel> panels_;
    QString hintOverlay_;
};

}  // namespace oltoma
