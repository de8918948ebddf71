// A table of random reals, printed by one internal procedure and summarised
// (mean and maximum) by another.
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "frame/program.hpp"
#include "frame/services.hpp"
#include "frame/statement.hpp"
#include "frame/view.hpp"

using namespace std::string_view_literals;

namespace {

constexpr console::Source randstat{"randstat"};

// Both procedures take the table by reference; its extent is fixed here, not passed.
using Table = std::span<const float, 10>;

void affichage(Table tab) { console::Write{randstat.line(32)} << console::ArrayView<const float>{tab}; }

void proc_max_moy(Table tab, float& moy, float& max) {
    max = tab[0];
    moy = tab[0];
    for (std::size_t i = 1; i < tab.size(); ++i) {
        if (tab[i] > max) max = tab[i];  // strict: the first largest element stays
        moy = moy + tab[i];               // every partial sum is rounded to a 32-bit real
    }
    moy = moy / 10.0F;
}

}  // namespace

extern "C" void MAIN__() {
    std::array<float, 10> tab;
    float moy;
    float max;

    console::random_fill(console::ArrayView<float>{tab});
    console::Write{randstat.line(7)} << "Voici le tableau tab rempli aleatoirement"sv;
    affichage(tab);
    proc_max_moy(tab, moy, max);
    console::Write{randstat.line(10)} << "Moyenne="sv << moy << "Maximum="sv << max;
}
