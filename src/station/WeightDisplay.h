#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

// The large weight display. The text is taken at once, the picture follows at most 25 times a
// second: a scale that answers thousands of times a second must not spend its time painting.
class WeightDisplay : public QWidget
{
    Q_OBJECT
public:
    explicit WeightDisplay(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    QSize sizeHint() const override { return {240, 80}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QTimer m_repaint;
    QElapsedTimer m_sincePaint;
};
