#include "core/hydrology/ShapeVolumes.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace hydrim {

namespace {

// Bounds of the difference between an ordinate taken as Qmax exp(m c(k)) and
// the plain Qmax (k/tr)^m exp(m (1 - k/tr)): relative to the ordinate, and
// absolute relative to Qmax (underflowing factors, the exponential's cut-off).
// The differences stay below about 2e-12 over every exponent the fitting
// tries (0..1000) and every ordinate (k <= 100 tr); the bounds keep a wide
// margin above that.
constexpr double OrdinateRelativeBound = 0x1p-33; // ~1.2e-10
constexpr double OrdinateAbsoluteBound = 0x1p-40; // ~9.1e-13 Qmax
constexpr double UnitRoundoff = 0x1p-53;
// Seconds per ordinate of the volume sum.
constexpr double SecondsPerOrdinate = 60.0;

// Ordinates are taken four at a time, in blocks.
constexpr int Lanes = 4;
constexpr int BlockOrdinates = 256;

// Sum and least of the ordinates of a block.
struct BlockSummary {
    double sum;
    double least;
};

// The ordinates q[i] = Qmax exp(m c[i]) for i = 0..count-1 (rounded up to
// whole lanes), with exp(a) for a <= 0 (and a little above) taken to a
// relative error below 1e-12 down to a = -708, and as 0 below that (where
// exp(a) < 3.1e-308), and their sum and least value (padding lanes
// included).
[[gnu::always_inline]] inline BlockSummary OrdinatesOfBlock(const double* c, double m, double qmax, int count,
                                                            double* q) {
    using Doubles = double __attribute__((vector_size(8 * Lanes)));
    using Integers = long long __attribute__((vector_size(8 * Lanes)));
    const Doubles lowest = Doubles{} - 708.0;
    const Doubles shifter = Doubles{} + 0x1.8p52;
    Doubles sum = {};
    Doubles least = Doubles{} + qmax;
    for (int i = 0; i < count; i += Lanes) {
        Doubles a;
        std::memcpy(&a, c + i, sizeof a);
        a *= m;
        const Integers tooLow = a < lowest;
        a = (Doubles)(((Integers)a & ~tooLow) | ((Integers)lowest & tooLow));
        // a = k ln2 + r, |r| <= ln2 / 2 (ln2 split so that k ln2hi is exact).
        const Doubles shifted = a * 1.4426950408889634 + shifter;
        const Doubles k = shifted - shifter;
        const Doubles r = (a - k * 0x1.62e42feep-1) - k * 0x1.a39ef35793c76p-33;
        // Taylor polynomial of degree 10.
        Doubles p = r * (1.0 / 3628800) + 1.0 / 362880;
        p = p * r + 1.0 / 40320;
        p = p * r + 1.0 / 5040;
        p = p * r + 1.0 / 720;
        p = p * r + 1.0 / 120;
        p = p * r + 1.0 / 24;
        p = p * r + 1.0 / 6;
        p = p * r + 0.5;
        p = p * r + 1.0;
        p = p * r + 1.0;
        const Integers exponent = (Integers)shifted - (Integers)shifter;
        const Doubles scale = (Doubles)((exponent + 1023) << 52);
        const Doubles ordinates = (Doubles)((Integers)(p * scale) & ~tooLow) * qmax;
        std::memcpy(q + i, &ordinates, sizeof ordinates);
        sum += ordinates;
        const Integers lower = ordinates < least;
        least = (Doubles)(((Integers)ordinates & lower) | ((Integers)least & ~lower));
    }
    BlockSummary summary{0.0, least[0]};
    for (int lane = 0; lane < Lanes; ++lane) {
        summary.sum += sum[lane];
        summary.least = std::min(summary.least, least[lane]);
    }
    return summary;
}

#if defined(__x86_64__) && defined(__GNUC__)
// The same for processors with AVX2, which take the four lanes at once. The
// choice is made here rather than by the loader (target_clones), which the
// thread sanitizer does not survive.
[[gnu::target("avx2")]] BlockSummary OrdinatesOfBlockAvx2(const double* c, double m, double qmax, int count,
                                                          double* q) {
    return OrdinatesOfBlock(c, m, qmax, count, q);
}
#endif

BlockSummary BlockOrdinatesOf(const double* c, double m, double qmax, int count, double* q) {
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        return OrdinatesOfBlockAvx2(c, m, qmax, count, q);
    }
#endif
    return OrdinatesOfBlock(c, m, qmax, count, q);
}

// ln k for k = 0..M (ln 0 stands as 0, unused), kept by each thread and
// grown as longer hydrographs need it.
const std::vector<double>& Logarithms(int M) {
    thread_local std::vector<double> logs{0.0};
    for (size_t k = logs.size(); k <= static_cast<size_t>(M); ++k) {
        logs.push_back(std::log(static_cast<double>(k)));
    }
    return logs;
}

// c(k) = ln k - ln tr + 1 - k / tr for k = 1..M (index 0 unused), padded
// with zeros to whole lanes. It depends on tr only, and the design and the
// 1-day hydrographs of a slope share theirs, so each thread keeps the last.
const std::vector<double>& ExponentParts(int tr, int M) {
    thread_local int cachedRise = 0;
    thread_local std::vector<double> parts;
    const size_t size = static_cast<size_t>(M) + 1 + Lanes;
    if (cachedRise != tr || parts.size() < size) {
        const std::vector<double>& logs = Logarithms(M);
        const double logRise = std::log(static_cast<double>(tr));
        parts.assign(size, 0.0);
        for (size_t k = 1; k <= static_cast<size_t>(M); ++k) {
            const double x = static_cast<double>(k) / static_cast<double>(tr);
            parts[k] = ((logs[k] - logRise) + 1.0) - x;
        }
        cachedRise = tr;
    }
    return parts;
}

} // namespace

ShapeVolumes::ShapeVolumes(int tr, int M, double qmax, double target)
    : tr_(tr), M_(M), qmax_(qmax), target_(target) {
    fast_ = tr > 0 && M > 0 && M <= MaxHydrographOrdinates && std::isfinite(qmax) && qmax >= 0.0 &&
            std::isfinite(target);
    if (fast_) {
        exponentParts_ = &ExponentParts(tr, M);
    }
}

bool ShapeVolumes::EndsHere(double m, int k, double q) const {
    const double margin =
        2.0 * (OrdinateRelativeBound * HydrographEndOrdinate + OrdinateAbsoluteBound * qmax_);
    if (q < HydrographEndOrdinate - margin) {
        return true;
    }
    if (q > HydrographEndOrdinate + margin) {
        return false;
    }
    return HydrographOrdinate(m, tr_, k, qmax_) <= HydrographEndOrdinate;
}

bool ShapeVolumes::AddBlock(Sum& s, int first, int count, const double* q, double blockSum,
                            double blockLeast) const {
    const double margin =
        2.0 * (OrdinateRelativeBound * HydrographEndOrdinate + OrdinateAbsoluteBound * qmax_);
    // A whole block before the peak, or one on the falling limb whose
    // ordinates all lie above the end, adds its sum.
    const bool beforePeak = first + count - 1 <= tr_;
    if (count == BlockOrdinates &&
        (beforePeak || (first > tr_ && blockLeast > HydrographEndOrdinate + margin))) {
        s.volume += blockSum;
        return false;
    }
    // Index of the first ordinate of the block that may end the falling limb.
    const int limb = std::clamp(tr_ + 1 - first, 0, count);
    int mayEnd = count;
    for (int i = limb; i < count; ++i) {
        if (q[i] <= HydrographEndOrdinate + margin) {
            mayEnd = i;
            break;
        }
    }
    // Four running sums, so that the additions need not wait for each other.
    double partial[4] = {};
    int i = 0;
    for (; i + 4 <= mayEnd; i += 4) {
        for (int j = 0; j < 4; ++j) {
            partial[j] += q[i + j];
        }
    }
    for (; i < mayEnd; ++i) {
        partial[0] += q[i];
    }
    s.volume += (partial[0] + partial[1]) + (partial[2] + partial[3]);
    for (i = mayEnd; i < count; ++i) {
        s.volume += q[i];
        if (i >= limb && EndsHere(s.m, first + i, q[i])) {
            s.length = first + i;
            return true;
        }
    }
    return false;
}

ShapeVolumes::Sum ShapeVolumes::FastSum(double m) const {
    Sum s{m, 0.0, 0.0, M_, false};
    if (m == 0.0) {
        // Every plain ordinate is Qmax exactly (x^0 = exp(0) = 1): the limb
        // ends right after the peak or never.
        if (qmax_ <= HydrographEndOrdinate && tr_ < M_) {
            s.length = tr_ + 1;
        }
        s.volume = qmax_ * s.length;
    } else {
        const double* parts = exponentParts_->data();
        alignas(32) double q[BlockOrdinates];
        for (int first = 1; first <= M_; first += BlockOrdinates) {
            const int count = std::min(BlockOrdinates, M_ - first + 1);
            const BlockSummary block = BlockOrdinatesOf(parts + first, m, qmax_, count, q);
            if (AddBlock(s, first, count, q, block.sum, block.least)) {
                break;
            }
        }
    }
    // s.volume holds the ordinate sum until here.
    const double ordinates = s.length;
    const double sumBound = (OrdinateRelativeBound + (2.0 * ordinates + 4.0) * UnitRoundoff) * s.volume +
                            ordinates * OrdinateAbsoluteBound * qmax_;
    s.volume *= SecondsPerOrdinate;
    s.bound = 1.01 * SecondsPerOrdinate * sumBound + 4.0 * UnitRoundoff * (s.volume + std::fabs(target_));
    return s;
}

ShapeVolumes::Sum ShapeVolumes::PlainSum(double m) const {
    const HydrographSum plain = HydrographVolume(m, tr_, M_, qmax_);
    return Sum{m, plain.Volume, 0.0, plain.Length, true};
}

ShapeVolumes::Sum& ShapeVolumes::At(double m) {
    for (Sum& s : sums_) {
        if (s.m == m) {
            return s;
        }
    }
    Sum s = fast_ ? FastSum(m) : PlainSum(m);
    if (!std::isfinite(s.volume) || !std::isfinite(s.bound)) {
        s = PlainSum(m);
    }
    sums_.push_back(s);
    return sums_.back();
}

double ShapeVolumes::PlainVolume(double m) {
    Sum& s = At(m);
    if (!s.exact) {
        s = PlainSum(m);
    }
    return s.volume;
}

bool ShapeVolumes::Exceeds(double m) {
    const Sum& s = At(m);
    if (!s.exact && s.volume - s.bound > target_) {
        return true;
    }
    if (!s.exact && s.volume + s.bound <= target_) {
        return false;
    }
    return PlainVolume(m) > target_;
}

bool ShapeVolumes::WithinTolerance(double m, double tolerance) {
    const Sum& s = At(m);
    const double gap = std::fabs(target_ - s.volume);
    if (!s.exact && gap + s.bound < tolerance) {
        return true;
    }
    if (!s.exact && gap - s.bound > tolerance) {
        return false;
    }
    return std::fabs(target_ - PlainVolume(m)) <= tolerance;
}

int ShapeVolumes::Length(double m) {
    return At(m).length;
}

double ShapeVolumes::ApproximateVolume(double m) {
    return At(m).volume;
}

} // namespace hydrim
