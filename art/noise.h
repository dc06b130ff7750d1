// Deterministic mottling for the images. Every value is a pure function of
// its coordinates and a seed, so regenerating the images gives the same
// bytes, and the 2x images, which sample the same functions at half-pixel
// steps, show the same pattern as the 1x ones.
#pragma once

#include <cstdint>

namespace noise {

// A value in [-1, 1] fixed by the lattice point (x, y) and the seed.
double lattice(int x, int y, std::uint32_t seed);

// Smoothly interpolated lattice noise in [-1, 1] at (x, y), with lattice
// cells of `cell` units. When `period` is positive the pattern repeats every
// `period` units along x, so strips cut at multiples of it join without a seam.
double smooth(double x, double y, double cell, std::uint32_t seed, double period = 0);

// A sum of `octaves` layers of smooth noise, each with half the cell size and
// half the weight of the one before, scaled back into [-1, 1].
double fractal(double x, double y, double cell, int octaves, std::uint32_t seed, double period = 0);

} // namespace noise
