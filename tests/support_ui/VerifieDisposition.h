#pragma once
// What a user would see as broken in a form: a control drawn past the edge of
// the control holding it, two controls laid one over the other, a text wider
// than its box, a grid whose columns run past its edge.

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

struct TReglesDisposition {
    // Two siblings that may overlap on purpose (the first is the one laid over).
    std::function<bool(const QWidget& dessus, const QWidget& dessous)> RecouvrementVoulu;
};

// One line per fault found among the visible controls under Racine, naming
// the control by its object name (else its class) and its text.
std::vector<std::string> VerifieDisposition(const QWidget& racine, const TReglesDisposition& regles = {});

// "name (class) \"text\"": how a fault names a control.
std::string NomControle(const QWidget& controle);

// A panel scrolling in a view may be larger than the view: what runs past it
// scrolls into sight.
bool DefileDansSaVue(const QWidget& enfant);

} // namespace testsupport
