#pragma once

#include <QString>

namespace vn::agent_characters {

inline constexpr int kCount = 4;

bool isCharacter(int number);              // 1 to 4
QString name(int number);                  // "Peedy", "Robby", "Merlin", "Genie"
QString greeting(int number);              // the introduction and the sentence that follows it
// What character `speaking` says when the choice of character `pressed` is asked about.
QString choiceRemark(int pressed, int speaking);

}  // namespace vn::agent_characters
