// Two strings read into 20-byte fields, put in ascending byte order and
// printed joined with their labels.
#include <cstring>
#include <string_view>

#include "frame/program.hpp"
#include "frame/services.hpp"
#include "frame/statement.hpp"
#include "frame/text.hpp"

using namespace std::string_view_literals;

namespace {

constexpr console::Source strorder{"strorder"};

}  // namespace

extern "C" void MAIN__() {
    // Blank until read; a read that supplies no value leaves them so.
    console::Text<20> ch1;
    console::Text<20> ch2;
    console::Text<20> tmp;

    console::Write{strorder.line(6)} << "Donner la 1ere chaine :"sv;
    console::Read{strorder.line(7)} >> ch1;
    console::Write{strorder.line(8)} << "Donner la 2eme chaîne :"sv;
    console::Read{strorder.line(9)} >> ch2;

    // Byte order over all 20 bytes, the filling blanks included.
    if (std::memcmp(ch1.data(), ch2.data(), ch1.size()) > 0) {
        tmp = ch1;
        ch1 = ch2;
        ch2 = tmp;
    }

    console::Write record{strorder.line(15)};
    record << console::concat(console::concat(console::concat(console::Text{"ch1="}, ch1), console::Text{" et ch2="}), ch2);
}
