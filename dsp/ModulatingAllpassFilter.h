#pragma once

// First-order allpass whose coefficient arrives with every sample: H(z) = (a - z^-1) / (1 - a z^-1).
class ModulatingAllpassFilter
{
public:
    void process (double& x, float a) { x = tick (x, a, x1Left, y1Left); }

    void process (double& left, double& right, float aLeft, float aRight)
    {
        left = tick (left, aLeft, x1Left, y1Left);
        right = tick (right, aRight, x1Right, y1Right);
    }

    void resetBuffer()
    {
        x1Left = x1Right = 0.0;
        y1Left = y1Right = 0.0;
    }

private:
    static double tick (double x, float coefficient, double& x1, double& y1)
    {
        const double a = coefficient;
        const double y = (a * x - x1) + a * y1;
        y1 = y;
        x1 = x;
        return y;
    }

    double x1Left = 0.0;
    double x1Right = 0.0;
    double y1Left = 0.0;
    double y1Right = 0.0;
};
