#include "shell/core/agent/agent_characters.h"

namespace vn::agent_characters {

namespace {

const char* const kNames[kCount] = {"Peedy", "Robby", "Merlin", "Genie"};

const char* const kIntroductions[kCount] = {
    "Hello, my name is Peedy the parrot.",
    "Hello, my name is Robby the Robot.",
    "Hello, my name is Merlin the Magician.",
    "Hello, my name is Genie... well, the genie.",
};

const char* const kSentence =
    " The people at Halvorin asked me to help you with Varnedo, and I am glad that you chose me.";

// Rows: the choice pressed; columns: the character speaking.
const char* const kRemarks[kCount][kCount] = {
    {"A very wise choice!  You won't hear this guy squawk when you ask for help.",
     "Peedy?  If this guy had any screws, and he does'nt, they would be loose.",
     "Peedy?  He would be good for some witches brew I suppose.",
     "Peedy?  This is what you get when you let that idiot Merlin try to make a flying machine."},
    {"Robby?  What a hung of junk.  This is like talking to a machine.  Hey!  He is a machine.",
     "For this job, the best man for the job isn't even a man.  It's a robot like me!",
     "Robby?  I was trying to make a lawn mower, but I got this. You might as well ask for help from a can opener.",
     "Robby?  This is what happens when scientists hit the bottle instead of rubbing the bottle!"},
    {"Merlin?  Do you believe in magic?  Neither do I.  If this guy had so much power he would just make you chose "
     "him!",
     "Merlin?  You talk about low tech.  He must be over 300 years old.",
     "Even if I stirred up my best spell, I could not do any better than this guy.",
     "Merlin?  This guy is such a party pooper.  Imagine having all that magic and never having any fun."},
    {"Genie?  He does'nt even have a name!  It would be best to leave him in his bottle!",
     "Genie?  Are you kidding?  My cousin, the computer would be better than him.",
     "Genie?  Do you really want help from a guy that has been so successful in life that he still lives in a "
     "bottle?",
     "Your wish has come true!  You now have the best helper."},
};

}  // namespace

bool isCharacter(int number) { return number >= 1 && number <= kCount; }

QString name(int number) { return isCharacter(number) ? QString::fromLatin1(kNames[number - 1]) : QString(); }

QString greeting(int number) {
    if (!isCharacter(number)) return {};
    return QString::fromLatin1(kIntroductions[number - 1]) + QString::fromLatin1(kSentence);
}

QString choiceRemark(int pressed, int speaking) {
    if (!isCharacter(pressed) || !isCharacter(speaking)) return {};
    return QString::fromLatin1(kRemarks[pressed - 1][speaking - 1]);
}

}  // namespace vn::agent_characters
