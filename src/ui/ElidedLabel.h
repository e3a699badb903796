#pragma once

#include <QLabel>

// A label that never claims the room of its whole text, so that a long text leaves the table's
// columns where they are: what does not fit in its lines ends in "…", and the whole text is then
// its tooltip.
class ElidedLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr, int lines = 1);

    // The text's lines as drawn.
    QStringList ShownLines() const;
    bool Elided() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int LinesHeight() const;

    int mLines = 1;
};
