#pragma once

/// Uniform double in [0, 1], both ends included, from the calling thread's qrand() sequence.
double mvx_rand();
/// Uniform integer in 0 .. n-1; 0 without drawing when n < 1.
int mvx_rand(int n);
/// Lowest bit in two's complement: -3 is odd, 0 is even.
bool is_odd(int n);
