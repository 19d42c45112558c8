#pragma once

// A language switch is one event, Qt's own LanguageChange, that reaches
// every window open and each of its widgets at once: each room words itself
// again in its changeEvent(), so no list of rooms is kept anywhere. Qt sends
// it too when its own translations change, but a language without them
// (French) must be announced all the same.
namespace languageSwitch {

void announce();

} // namespace languageSwitch
