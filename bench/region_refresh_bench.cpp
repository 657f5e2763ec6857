// Times RegionContainer's Refresh with N added shapes beside the same region
// calls made directly: the base ellipse, N CombineRgn, the copy, SetWindowRgn.
// Prints, for each N, the best time per Refresh of both and their ratio.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "host/win32/unique_handle.h"
#include "regions/container_shaping.h"

namespace {

constexpr int kSize = 300;  // pixels
constexpr host::Long kTwips = kSize * 15;
constexpr int kRounds = 7;

// A bare window to shape; its size in twips assumes 15 twips a pixel, as
// the shapes' coordinates do.
class BenchControl final : public regions::ShapedControl {
 public:
  BenchControl()
      : window_(CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, kSize,
                                kSize, nullptr, nullptr, nullptr, nullptr)) {}
  HWND hWnd() const override { return window_.get(); }
  host::Long Width() const override { return kTwips; }
  host::Long Height() const override { return kTwips; }
  host::Single ScaleWidth() const override { return kTwips; }
  host::Single ScaleHeight() const override { return kTwips; }
  host::ComPtr<IDispatch> ScaleSource() const override { return nullptr; }

 private:
  host::UniqueWindow window_;
};

// The i-th added shape: small ellipses spread over the window, the modes in turn.
RECT ShapeAt(int i) {
  const int x = (i * 37) % (kSize - 20);
  const int y = (i * 53) % (kSize - 20);
  return {x, y, x + 20, y + 20};
}
constexpr regions::RegionWhat kModes[] = {regions::RegionWhat::rOR, regions::RegionWhat::rXOR,
                                          regions::RegionWhat::rDIFF, regions::RegionWhat::rAND};
constexpr int kCombineModes[] = {RGN_OR, RGN_XOR, RGN_DIFF, RGN_AND};

// Best seconds per call of `body` over kRounds rounds of `calls` calls.
template <typename Body>
double BestSeconds(int calls, Body&& body) {
  double best = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    for (int call = 0; call < calls; ++call) body();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count() / calls);
  }
  return best;
}

}  // namespace

int main() {
  std::printf("%8s %14s %14s %8s\n", "shapes", "Refresh (us)", "direct (us)", "ratio");
  for (const int n : {1, 10, 100, 1000}) {
    BenchControl ours;
    regions::ContainerShaping shaping(ours);
    BenchControl direct;
    std::vector<host::UniqueRgn> added;
    for (int i = 0; i < n; ++i) {
      const RECT r = ShapeAt(i);
      const auto twips = [](LONG pixels) { return static_cast<float>(pixels) * 15; };
      shaping.AddEllipse(twips(r.left), twips(r.top), twips(r.right), twips(r.bottom), kModes[i % 4]);
      added.emplace_back(CreateEllipticRgn(r.left, r.top, r.right, r.bottom));
    }
    host::UniqueRgn copy;
    const int calls = std::max(1, 2000 / n);
    const double oursSeconds = BestSeconds(calls, [&] { shaping.Refresh(); });
    const double directSeconds = BestSeconds(calls, [&] {
      const HRGN shape = CreateEllipticRgn(0, 0, kSize, kSize);
      for (int i = 0; i < n; ++i) CombineRgn(shape, shape, added[i].get(), kCombineModes[i % 4]);
      host::UniqueRgn fresh(CreateRectRgn(0, 0, 0, 0));
      CombineRgn(fresh.get(), shape, nullptr, RGN_COPY);
      copy = std::move(fresh);
      SetWindowRgn(direct.hWnd(), shape, TRUE);
    });
    std::printf("%8d %14.1f %14.1f %8.2f\n", n, oursSeconds * 1e6, directSeconds * 1e6, oursSeconds / directSeconds);
    shaping.ReleaseRegions();
  }
  return 0;
}
