#include "dsp/BiquadFilter.h"

#include <cmath>

namespace
{
struct Raw
{
    double b0, b1, b2, a0, a1, a2;
};

Raw rawCoefficients (int type, double A, double cs, double sn, double alpha, double beta)
{
    switch (type)
    {
        case BiquadFilter::lowPass:
            return { (1.0 - cs) / 2.0, 1.0 - cs, (1.0 - cs) / 2.0, 1.0 + alpha, -2.0 * cs, 1.0 - alpha };
        case BiquadFilter::highPass:
            return { (1.0 + cs) / 2.0, -(1.0 + cs), (1.0 + cs) / 2.0, 1.0 + alpha, -2.0 * cs, 1.0 - alpha };
        case BiquadFilter::bandPass:
            return { alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * cs, 1.0 - alpha };
        case BiquadFilter::notch:
            return { 1.0, -2.0 * cs, 1.0, 1.0 + alpha, -2.0 * cs, 1.0 - alpha };
        case BiquadFilter::peaking:
            return { 1.0 + alpha * A, -2.0 * cs, 1.0 - alpha * A, 1.0 + alpha / A, -2.0 * cs, 1.0 - alpha / A };
        case BiquadFilter::lowShelf:
            return { A * ((A + 1.0) - (A - 1.0) * cs + beta * sn),
                     2.0 * A * ((A - 1.0) - (A + 1.0) * cs),
                     A * ((A + 1.0) - (A - 1.0) * cs - beta * sn),
                     (A + 1.0) + (A - 1.0) * cs + beta * sn,
                     -2.0 * ((A - 1.0) + (A + 1.0) * cs),
                     (A + 1.0) + (A - 1.0) * cs - beta * sn };
        case BiquadFilter::highShelf:
            return { A * ((A + 1.0) + (A - 1.0) * cs + beta * sn),
                     -2.0 * A * ((A - 1.0) + (A + 1.0) * cs),
                     A * ((A + 1.0) + (A - 1.0) * cs - beta * sn),
                     (A + 1.0) - (A - 1.0) * cs + beta * sn,
                     2.0 * ((A - 1.0) - (A + 1.0) * cs),
                     (A + 1.0) - (A - 1.0) * cs - beta * sn };
        default:
            return { 1.0, 0.0, 0.0, 1.0, 0.0, 0.0 };
    }
}
} // namespace

void BiquadFilter::calc()
{
    const double A = std::pow (10.0, (double) gainDb / 40.0);
    const double w0 = 2.0 * M_PI * (double) frequency / (double) sampleRate;
    const double sn = std::sin (w0);
    const double cs = std::cos (w0);
    const double alpha = sn / (2.0 * (double) q);
    const double beta = std::sqrt (A) / (double) q;

    const Raw raw = rawCoefficients (type, A, cs, sn, alpha, beta);
    b0 = raw.b0 / raw.a0;
    b1 = raw.b1 / raw.a0;
    b2 = raw.b2 / raw.a0;
    a1 = raw.a1 / raw.a0;
    a2 = raw.a2 / raw.a0;
}

void BiquadFilter::resetCoeffs()
{
    b0 = 1.0;
    b1 = b2 = a1 = a2 = 0.0;
}

void BiquadFilter::resetBuffer()
{
    left = {};
    right = {};
}
