#include "trig_wide.h"

#include <array>
#include <cstdint>

#include "trig_constants.h"

namespace quorvel {
namespace {

constexpr int fraction_limbs = 8;
constexpr int limbs = fraction_limbs + 1;
constexpr int fraction_bits = 32 * fraction_limbs;

// A non-negative number with 256 fraction bits and a 32-bit whole part: limb i weighs
// 2^(32·(i − 8)), so limb 8 is the whole part.
using Fixed = std::array<std::uint32_t, limbs>;

Fixed add(const Fixed& a, const Fixed& b) {
    Fixed sum{};
    std::uint64_t carry = 0;
    for (int i = 0; i < limbs; ++i) {
        const std::uint64_t t = std::uint64_t{a[i]} + b[i] + carry;
        sum[i] = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    return sum;
}

// a − b for a ≥ b.
Fixed subtract(const Fixed& a, const Fixed& b) {
    Fixed difference{};
    std::uint64_t borrow = 0;
    for (int i = 0; i < limbs; ++i) {
        const std::uint64_t t = std::uint64_t{a[i]} - b[i] - borrow;
        difference[i] = static_cast<std::uint32_t>(t);
        borrow = (t >> 32) & 1u;
    }
    return difference;
}

// a · b cut to 256 fraction bits; the product must stay below 2^32.
Fixed multiply(const Fixed& a, const Fixed& b) {
    std::array<std::uint32_t, 2 * limbs> product{};
    for (int i = 0; i < limbs; ++i) {
        std::uint64_t carry = 0;
        for (int j = 0; j < limbs; ++j) {
            const std::uint64_t t = std::uint64_t{a[i]} * b[j] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        product[i + limbs] = static_cast<std::uint32_t>(carry);
    }
    Fixed cut{};
    for (int i = 0; i < limbs; ++i) {
        cut[i] = product[i + fraction_limbs];
    }
    return cut;
}

// a / d cut to 256 fraction bits.
Fixed divide(const Fixed& a, std::uint32_t d) {
    Fixed quotient{};
    std::uint64_t remainder = 0;
    for (int i = limbs - 1; i >= 0; --i) {
        const std::uint64_t t = (remainder << 32) | a[i];
        quotient[i] = static_cast<std::uint32_t>(t / d);
        remainder = t % d;
    }
    return quotient;
}

bool is_zero(const Fixed& a) {
    for (const std::uint32_t limb : a) {
        if (limb != 0) {
            return false;
        }
    }
    return true;
}

Fixed one() {
    Fixed f{};
    f[fraction_limbs] = 1;
    return f;
}

Fixed half_pi() {
    Fixed f = one();
    for (int i = 0; i < fraction_limbs; ++i) {
        f[fraction_limbs - 1 - i] = trig_constants::half_pi_fraction_words[i];
    }
    return f;
}

struct Reduced {
    unsigned quadrant = 0;  // x = quadrant·π/2 + r (mod 2π), before the sign
    bool negative = false;  // r < 0
    Fixed r{};              // |r| ≤ π/4
};

// Payne and Hanek's reduction: with x = m·2^e, the bits of m·(2/π) from weight 2 down
// to 2^-256 give x·2/π modulo 4 (higher bits only add multiples of 2π), read from the
// exact product of m and the stored bits of 2/π.
Reduced reduce(double a) {
    const std::uint64_t bits = bits_of(a);
    const auto biased = static_cast<int>(bits >> 52);
    const std::uint64_t m =
        biased == 0 ? (bits & ((std::uint64_t{1} << 52) - 1))
                    : ((bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52));
    const int e = (biased == 0 ? 1 : biased) - 1075;

    constexpr int words = static_cast<int>(trig_constants::two_over_pi_words.size());
    constexpr int total_bits = 32 * words;
    // m times the 2/π words as one integer, least significant limb first: x·2/π is this
    // product times 2^(e − 1344).
    std::array<std::uint32_t, words + 2> product{};
    const std::array<std::uint32_t, 2> m_limbs = {static_cast<std::uint32_t>(m),
                                                  static_cast<std::uint32_t>(m >> 32)};
    for (int i = 0; i < words; ++i) {
        const std::uint32_t g = trig_constants::two_over_pi_words[words - 1 - i];
        std::uint64_t carry = 0;
        for (int j = 0; j < 2; ++j) {
            const std::uint64_t t = std::uint64_t{g} * m_limbs[j] + product[i + j] + carry;
            product[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        product[i + 2] = static_cast<std::uint32_t>(carry);
    }
    const auto bits_at = [&](int position) {  // 32 bits from `position` up, zero outside
        std::uint64_t window = 0;
        for (int k = 0; k < 2; ++k) {
            const int limb = (position >> 5) + k;
            if (position >= 0 && limb < static_cast<int>(product.size())) {
                window |= std::uint64_t{product[static_cast<std::size_t>(limb)]} << (32 * k);
            }
        }
        return static_cast<std::uint32_t>(window >> (position & 31));
    };
    // The bit of weight 2^-256 in x·2/π sits at this position of the product.
    const int lowest = total_bits - e - fraction_bits;

    Reduced out;
    Fixed fraction{};
    for (int i = 0; i < fraction_limbs; ++i) {
        fraction[i] = bits_at(lowest + 32 * i);
    }
    out.quadrant = bits_at(lowest + fraction_bits) & 3u;
    if ((fraction[fraction_limbs - 1] >> 31) != 0) {  // nearer the next multiple of π/2
        out.quadrant = (out.quadrant + 1) & 3u;
        out.negative = true;
        fraction = subtract(one(), fraction);
    }
    out.r = multiply(fraction, half_pi());
    return out;
}

// Σ (−1)^i · r^(first + 2i) / (first + 2i)!, summing the positive and the negative terms
// apart so that only non-negative numbers are ever formed.
Fixed alternating_series(const Fixed& r, int first) {
    const Fixed r2 = multiply(r, r);
    Fixed term = first == 0 ? one() : r;
    Fixed positive = term;
    Fixed negative{};
    for (int n = first; !is_zero(term); n += 2) {
        term = divide(multiply(term, r2), static_cast<std::uint32_t>((n + 1) * (n + 2)));
        Fixed& sum = ((n - first) / 2) % 2 == 0 ? negative : positive;
        sum = add(sum, term);
    }
    return subtract(positive, negative);
}

double power_of_two(int exponent) {
    return double_of(static_cast<std::uint64_t>(exponent + 1023) << 52);
}

// The nearest double to a, ties to even; a is at least 2^-200, never an exact tie here.
double round_to_double(const Fixed& a) {
    int top = limbs - 1;
    while (a[top] == 0) {
        --top;
    }
    int top_bit = 32 * top + 31;
    while (((a[top] >> (top_bit & 31)) & 1u) == 0) {
        --top_bit;
    }
    const auto bit = [&](int position) { return (a[position >> 5] >> (position & 31)) & 1u; };
    std::uint64_t significand = 0;
    for (int p = top_bit; p > top_bit - 53; --p) {
        significand = (significand << 1) | bit(p);
    }
    const int round_position = top_bit - 53;
    bool below = false;
    for (int p = round_position - 1; p >= 0 && !below; --p) {
        below = bit(p) != 0;
    }
    if (bit(round_position) != 0 && (below || (significand & 1u) != 0)) {
        ++significand;
    }
    return static_cast<double>(significand) * power_of_two(top_bit - 52 - fraction_bits);
}

// sin x for the quadrant offset 0, cos x for the offset 1 (cos x = sin(x + π/2)).
double wide_sine(double x, unsigned offset) {
    const double a = x < 0.0 ? -x : x;
    if (!(a <= 0x1.fffffffffffffp+1023)) {
        return x - x;  // NaN for NaN and for ±infinity
    }
    if (a <
        0x1p-27) {  // below the fixed point's reach; the series' second term is too small to count
        return offset == 0 ? x : 1.0;
    }
    const bool x_negative = x < 0.0;
    const Reduced reduced = reduce(a);
    const unsigned quadrant = (reduced.quadrant + offset) & 3u;
    const bool use_cosine = (quadrant & 1u) != 0;
    bool negative = (quadrant & 2u) != 0;
    if (!use_cosine && reduced.negative) {
        negative = !negative;
    }
    if (x_negative && offset == 0) {
        negative = !negative;
    }
    const double magnitude = round_to_double(alternating_series(reduced.r, use_cosine ? 0 : 1));
    return negative ? -magnitude : magnitude;
}

}  // namespace

double cos_wide(double x) {
    return wide_sine(x, 1);
}

double sin_wide(double x) {
    return wide_sine(x, 0);
}

}  // namespace quorvel
