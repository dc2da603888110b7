#pragma once

#include "interrogazioni.h"

#include <QWidget>

namespace vocario {

/// A pupil's weeks as bars: the share of right answers, the number of
/// answers written above. Drawn with QPainter: a dozen bars need no chart
/// library. The same figures are in the table beside it for a screen reader.
class GraficoProgressi : public QWidget {
    Q_OBJECT
  public:
    explicit GraficoProgressi(QWidget* parent = nullptr);
    void mostra(QList<Interrogazioni::Settimana> settimane);
    QSize sizeHint() const override { return {480, 220}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QList<Interrogazioni::Settimana> settimane_;
};

} // namespace vocario
