// The drill's own big-number work, digit text in and answer text out, timed with UnlNum and with
// GMP in the same run. Prints the median time of each side and the ratio ours / GMP (lower is
// better). Both sides must produce the same answer text; the program aborts otherwise.
//
// Usage: bignum_vs_gmp [n ...]   (default sizes: 1000 5000 20000 100000 digits)

#include <gmp.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/thread_clock.h"
#include "bignum/unlnum.h"

namespace {

using Clock = bench::ThreadClock;

// The answer texts of one run, compared between the two sides.
using Answer = std::vector<std::string>;

std::string randomDigits(std::mt19937_64& rng, std::size_t n) {
  std::string s(n, '0');
  std::uint64_t bits = 0;
  int left = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (left == 0) {
      bits = rng();
      left = 19;  // 10^19 < 2^64: nineteen digits from each draw (slightly biased, harmless here)
    }
    s[i] = static_cast<char>('0' + bits % 10);
    bits /= 10;
    --left;
  }
  if (s[0] == '0') s[0] = '1';
  return s;
}

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "bignum_vs_gmp: %s\n", what);
  std::abort();
}

UnlNum parse(const std::string& text) {
  UnlNum x;
  if (!UnlNum::fromText(x, text)) fail("UnlNum::fromText rejected a digit string");
  return x;
}

UnlNum value(std::optional<UnlNum> x) {
  if (!x) fail("UnlNum operation gave no number");
  return std::move(*x);
}

// RAII for mpz_t.
class Mpz {
 public:
  Mpz() { mpz_init(v_); }
  explicit Mpz(const std::string& text) {
    if (mpz_init_set_str(v_, text.c_str(), 10) != 0) fail("mpz_set_str rejected a digit string");
  }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
  ~Mpz() { mpz_clear(v_); }
  mpz_ptr get() { return v_; }
  std::string text() const {
    std::string s(mpz_sizeinbase(v_, 10) + 2, '\0');
    mpz_get_str(s.data(), 10, v_);
    s.resize(std::char_traits<char>::length(s.c_str()));
    return s;
  }

 private:
  mpz_t v_;
};

struct Workload {
  const char* name;
  std::function<Answer(const std::vector<std::string>&)> ours;
  std::function<Answer(const std::vector<std::string>&)> gmp;
  std::function<std::vector<std::string>(std::mt19937_64&, std::size_t)> inputs;
  double goalAt5000;
  double goalAt100000;
};

std::vector<Workload> workloads() {
  return {
      {"add20",
       [](const std::vector<std::string>& in) {
         UnlNum sum = parse(in[0]);
         for (std::size_t i = 1; i < in.size(); ++i) sum = value(UnlNum::add(sum, parse(in[i])));
         return Answer{UnlNum::toText(sum)};
       },
       [](const std::vector<std::string>& in) {
         Mpz sum(in[0]);
         for (std::size_t i = 1; i < in.size(); ++i) {
           Mpz x(in[i]);
           mpz_add(sum.get(), sum.get(), x.get());
         }
         return Answer{sum.text()};
       },
       [](std::mt19937_64& rng, std::size_t n) {
         std::vector<std::string> in;
         for (int i = 0; i < 20; ++i) in.push_back(randomDigits(rng, n));
         return in;
       },
       1.0, 1.0},
      {"mul",
       [](const std::vector<std::string>& in) {
         return Answer{UnlNum::toText(value(UnlNum::multiply(parse(in[0]), parse(in[1]))))};
       },
       [](const std::vector<std::string>& in) {
         Mpz a(in[0]), b(in[1]), p;
         mpz_mul(p.get(), a.get(), b.get());
         return Answer{p.text()};
       },
       [](std::mt19937_64& rng, std::size_t n) {
         return std::vector<std::string>{randomDigits(rng, n), randomDigits(rng, n)};
       },
       1.0, 1.0},
      {"div",
       [](const std::vector<std::string>& in) {
         const UnlNum a = parse(in[0]);
         const UnlNum b = parse(in[1]);
         const UnlNum q = value(UnlNum::divide(a, b, 0));
         const UnlNum multiple = value(UnlNum::multiply(q, b));
         const UnlNum answer = value(UnlNum::divide(multiple, b, 0));
         return Answer{UnlNum::toText(multiple), UnlNum::toText(b), UnlNum::toText(answer)};
       },
       [](const std::vector<std::string>& in) {
         Mpz a(in[0]), b(in[1]), q, multiple, answer;
         mpz_tdiv_q(q.get(), a.get(), b.get());
         mpz_mul(multiple.get(), q.get(), b.get());
         mpz_tdiv_q(answer.get(), multiple.get(), b.get());
         return Answer{multiple.text(), b.text(), answer.text()};
       },
       [](std::mt19937_64& rng, std::size_t n) {
         return std::vector<std::string>{randomDigits(rng, n), randomDigits(rng, n / 2)};
       },
       1.0, 2.0},
  };
}

double millisecondsOf(const std::function<Answer(const std::vector<std::string>&)>& run,
                      const std::vector<std::string>& in, Answer& answer) {
  const auto start = Clock::now();
  answer = run(in);
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::size_t> sizes = {1000, 5000, 20000, 100000};
  if (argc > 1) {
    sizes.clear();
    for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
  }
  std::printf("%-6s %8s %6s %12s %12s %10s %6s\n", "case", "n", "runs", "ours ms", "GMP ms",
              "ours/GMP", "goal");
  std::mt19937_64 rng(12345);
  for (std::size_t n : sizes) {
    for (const Workload& w : workloads()) {
      // Enough runs for a stable median on a busy machine; ours and GMP alternate so that a
      // burst of load hits both sides alike.
      const int runs = n <= 1000 ? 201 : n <= 5000 ? 61 : n <= 20000 ? 21 : 9;
      std::vector<double> oursMs, gmpMs;
      for (int r = 0; r < runs; ++r) {
        const std::vector<std::string> in = w.inputs(rng, n);
        Answer ours, gmp;
        oursMs.push_back(millisecondsOf(w.ours, in, ours));
        gmpMs.push_back(millisecondsOf(w.gmp, in, gmp));
        if (ours != gmp) fail("UnlNum and GMP gave different answer texts");
      }
      const double ratio = median(oursMs) / median(gmpMs);
      const double goal = n == 5000 ? w.goalAt5000 : n == 100000 ? w.goalAt100000 : 0.0;
      char goalText[16] = "-";
      if (goal > 0) std::snprintf(goalText, sizeof goalText, "%.1f", goal);
      std::printf("%-6s %8zu %6d %12.4f %12.4f %10.3f %6s%s\n", w.name, n, runs, median(oursMs),
                  median(gmpMs), ratio, goalText, goal > 0 && ratio > goal ? "  MISSED" : "");
      std::fflush(stdout);
    }
  }
  return 0;
}
