#pragma once

#include <QLabel>
#include <QPoint>

// The topology picture. Reports every mouse release on it, in its own coordinates.
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);

signals:
    void onLabelClicked(QPoint pos);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
