// A name card of fixed text fields between arrows.
#include <string_view>

#include "frame/program.hpp"
#include "frame/statement.hpp"
#include "frame/text.hpp"

using namespace std::string_view_literals;

namespace {

constexpr console::Source namecard{"namecard"};

constexpr console::Text<8> nom{"Vorel"};  // filled with blanks to its 8 bytes
constexpr console::Text<8> prenom{"Kistomar"};

}  // namespace

extern "C" void MAIN__() {
    console::Write{namecard.line(8)} << "-->"sv << nom << "<--"sv;
    console::Write{namecard.line(9)} << "-->"sv << prenom << "<--"sv;
    console::Write{namecard.line(10)} << "-->Casablanca<--"sv;
}
