#pragma once

#include <emmintrin.h>

// Left and right channel as the two lanes of one SSE2 register. Each operation is the IEEE
// double operation on each lane, so a lane holds exactly the bits the scalar code computes
// for its channel; both channels cost one instruction. A plain double converts by filling
// both lanes, which gives each lane what the scalar code would use.
class LanePair
{
public:
    LanePair() = default;
    LanePair (double both) : lanes (_mm_set1_pd (both)) {}
    LanePair (double left, double right) : lanes (_mm_set_pd (right, left)) {}
    explicit LanePair (__m128d value) : lanes (value) {}

    // From and to two consecutive doubles, left first.
    static LanePair load (const double* pair) { return LanePair (_mm_loadu_pd (pair)); }
    void store (double* pair) const { _mm_storeu_pd (pair, lanes); }

    double left() const { return _mm_cvtsd_f64 (lanes); }
    double right() const { return _mm_cvtsd_f64 (_mm_unpackhi_pd (lanes, lanes)); }
    __m128d value() const { return lanes; }

    friend LanePair operator+ (LanePair a, LanePair b) { return LanePair (_mm_add_pd (a.lanes, b.lanes)); }
    friend LanePair operator- (LanePair a, LanePair b) { return LanePair (_mm_sub_pd (a.lanes, b.lanes)); }
    friend LanePair operator* (LanePair a, LanePair b) { return LanePair (_mm_mul_pd (a.lanes, b.lanes)); }

    // Correctly rounded per lane, as std::sqrt is.
    friend LanePair sqrt (LanePair a) { return LanePair (_mm_sqrt_pd (a.lanes)); }

    // (right, left)
    LanePair swapped() const { return LanePair (_mm_shuffle_pd (lanes, lanes, 1)); }

private:
    __m128d lanes;
};

// A loop over one channel runs on double, over two on LanePair. These move a left/right
// pair of members in and out; the one-channel form touches only the left member.
template <typename Lanes>
Lanes fromChannels (double left, double right);

template <>
inline double fromChannels<double> (double left, double)
{
    return left;
}

template <>
inline LanePair fromChannels<LanePair> (double left, double right)
{
    return LanePair (left, right);
}

inline void toChannels (double value, double& left, double&)
{
    left = value;
}

inline void toChannels (LanePair value, double& left, double& right)
{
    left = value.left();
    right = value.right();
}

// A left/right pair of consecutive doubles as lanes; the one-channel form reads and writes
// the left one only.
template <typename Lanes>
Lanes loadLanes (const double* pair);

template <>
inline double loadLanes<double> (const double* pair)
{
    return pair[0];
}

template <>
inline LanePair loadLanes<LanePair> (const double* pair)
{
    return LanePair::load (pair);
}

inline void storeLanes (double* pair, double value)
{
    pair[0] = value;
}

inline void storeLanes (double* pair, LanePair value)
{
    value.store (pair);
}
