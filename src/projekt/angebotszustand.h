// A dialog's part of the offer: the state of its user-set controls as
// offer entries, and those entries given back through the same user
// actions a person would take, so every rule of the dialog runs on them.
#pragma once

#include <span>
#include <vector>

#include "ports/benutzeraktion.h"
#include "ports/form.h"
#include "projekt/angebotsblock.h"

namespace kal {

// The controls `ids` in that order: a list's selected item (value and
// text), a check box's state, the checked radio button, an edit's text.
// A list without a selection, an unchecked radio button and a control a
// user cannot set (hidden, disabled, read-only) give nothing.
std::vector<AngebotsEintrag> eintraegeAusForm(const Form& f, std::span<const int> ids);

// Applies `eintraege` in their order where they differ from the form.
// Returns those that no longer apply: an unknown control, a list item whose
// value is not listed any more (or, listed more than once, not with its
// text), a control a user could not set now (hidden, disabled). A list item
// is found by its value even when its text is in another language.
std::vector<AngebotsEintrag> eintraegeAnwenden(Form& f,
                                               const std::vector<AngebotsEintrag>& eintraege,
                                               const Ereignisziel& ziel);

}  // namespace kal
