// A small compass dial beside the Qibla's degrees: north up and a needle along the bearing,
// clockwise from north. It is a map of the world's directions, so it is drawn the same way in
// right-to-left layouts.
#pragma once

#include <optional>

#include <QWidget>

namespace orvanta {

class QiblaDial : public QWidget {
  public:
    explicit QiblaDial(QWidget* parent = nullptr);

    // degreesFromNorth: the bearing, degrees clockwise from true north, [0, 360). Nothing where
    // no one direction exists (at the Kaaba or at its antipode): the dial is then hidden, and
    // the text beside it says why.
    void SetBearing(std::optional<double> degreesFromNorth);

    // A square as tall as a line of text and its margins.
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<double> bearingDeg_;
};

}  // namespace orvanta
