#include "canvas/TLabel.h"

#include <QMouseEvent>

TLabel::TLabel(QWidget* parent) : QLabel(parent)
{
    setAccessibleName(tr("Network topology picture"));
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    emit onLabelClicked(event->position().toPoint());
}
