// The meaning of the coded choices the model holds as numbers. A code means
// its choice only when it equals the value exactly; a value that is none of
// them (a hand-edited project file) satisfies no predicate, so a caller that
// asks "not English" gets a different answer from one that asks "metric".
// The codes are floats in the model and integers in the form's radio groups;
// both widen to double without change.
#pragma once

namespace kelp {

// Culvert shape (CulvertShape, and the form's BarrelShape).
constexpr bool IsPipe(double shape) { return shape == 1; }
constexpr bool IsBox(double shape) { return shape == 2; }

// Unit system of the input and of the displayed results.
constexpr bool IsEnglish(double units) { return units == 1; }
constexpr bool IsMetric(double units) { return units == 2; }
constexpr float UnitSystemCode(bool metric) { return metric ? 2.0f : 1.0f; }

// Breaks in the barrel profile (BreakCount).
constexpr bool IsSingleBrokenBack(double breaks) { return breaks == 1; }
constexpr bool IsDoubleBrokenBack(double breaks) { return breaks == 2; }

// Kind of tailwater (TailwaterCode, the form's TWType and its option).
constexpr bool IsConstantTailwater(double kind) { return kind == 1; }
constexpr bool IsRegularChannel(double kind) { return kind == 2; }
constexpr bool IsIrregularChannel(double kind) { return kind == 3; }

// Shape of the regular downstream channel (TWShape).
constexpr bool IsRectangularChannel(double shape) { return shape == 1; }
constexpr bool IsTrapezoidalChannel(double shape) { return shape == 2; }
constexpr bool IsTriangularChannel(double shape) { return shape == 3; }
constexpr bool IsCircularChannel(double shape) { return shape == 6; }

// Material of a pipe barrel (PipeMaterial).
constexpr bool IsConcrete(double material) { return material == 1; }
constexpr bool IsCorrugatedMetal(double material) { return material == 2; }

}  // namespace kelp
