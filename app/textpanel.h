// SPDX-FileCopyrightText: 2026 The Acutrix developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef TEXTPANEL_H
#define TEXTPANEL_H

#include <QColor>
#include <QRegion>
#include <QStringList>
#include <QWidget>

// The window's own surface, below the menu bar: its background colour, and lines of
// white text printed on it from the top down like on a line printer. It does not wrap
// or scroll. The printed lines are kept so that they come back when the window is
// uncovered; a new background colour erases them. The tiles and the score report
// are its children.
class TextPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TextPanel(QWidget *parent);

    QColor backgroundColour() const { return m_backgroundColour; }
    // Repaints the whole surface in the colour; whatever was printed is gone.
    void setBackgroundColour(const QColor &colour);

    void clear();
    void printLine(const QString &line = QString());
    QStringList lines() const { return m_lines; }

    // Holds back every repaint of the panel and of its labels while many of them change
    // at once, and repaints once, when the outermost hold ends, the area where anything
    // was or now is shown.
    void holdRepaints();
    void releaseRepaints();

signals:
    // A double-click with the left button on the surface itself, where no label lies.
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // Marks part of the panel for repainting, or notes it while repaints are held.
    void invalidate(const QRegion &area);
    QRect linesArea(qsizetype first, qsizetype count) const;
    QRegion shownLabelsArea() const;

    QColor m_backgroundColour;
    QStringList m_lines;
    int m_holds = 0;
    QRegion m_heldArea;
};

#endif
