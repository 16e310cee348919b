// The direct-step backwater computation shared by the box and the circular
// barrel: fixed depth increments, distance from the mean Froude number and
// friction slope, friction loss from the start of each step.
#pragma once

#include "model/model.h"
#include "sections/section.h"

namespace kelp {

// 2g in ft/s², the divisor of every velocity head of the losses.
inline constexpr double kTwoG = 64.4;

// Velocity head V²/2g in feet.
double VelocityHead(double v);
// Friction loss of a length of barrel in velocity heads: 29·n²·L / R^1.333,
// Manning's friction slope in English units divided by V²/2g.
double FrictionCoefficient(double n, double length, double radius);

// What differs between a box and a circular barrel in the backwater profile.
class Barrel {
public:
    Barrel(Model& model, bool pipe);

    bool pipe() const { return pipe_; }
    float height() const { return height_; }
    // Depth at which the barrel is taken to flow full: D for a box, and just
    // below D for a pipe, whose geometry divides by zero at the crown.
    float fullDepth() const { return fullDepth_; }
    // Section at CurrentDepth; a pipe lowers a depth at or above D to D − 0.001
    // first, and CurrentDepth keeps the lowered value.
    Section AtCurrentDepth();
    // Section at a given depth (no lowering).
    Section At(double y);
    // Velocity of the exit loss and of the whole-barrel full-flow loss: Q/(B·y)
    // for a box, the same with the span replaced by D for a pipe.
    double SpanVelocity(double y) const;
    // Loss sums of a pipe live in a 32-bit variable: a value stored into one
    // is rounded, a box's stays in double.
    double Kept(double loss) const;
    double AddLoss(double sum, double term) const { return Kept(sum + term); }

private:
    Model& m_;
    bool pipe_;
    float height_;
    float fullDepth_;
};

// One reach of direct steps from CurrentStation to xEnd, appending points to a
// pair of working arrays; returns the friction loss added to `loss`.
class Backwater {
public:
    Backwater(Model& model, Barrel& barrel, PointArray& stations, PointArray& depths,
              double s0, bool capAtHeight);

    // Appends the point (x, depth) as the next working point.
    void Append(double x, double depth);
    // Steps while CurrentStation < xEnd.
    void Run(float xEnd);
    double loss = 0;

private:
    void Step(float xEnd);

    Model& m_;
    Barrel& barrel_;
    PointArray& stations_;
    PointArray& depths_;
    double s0_;
    bool capAtHeight_;
};

}  // namespace kelp
