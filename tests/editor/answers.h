#pragma once
// The editor's tests answer their dialogs through the shared helper; each
// test starts with no answers waiting and drops any left at its end.

#include "modal.h"

class Answers
{
public:
    Answers() { clearModalAnswers(); }
    ~Answers() { clearModalAnswers(); }
    bool done() const { return modalAnswersDone(); }
};

inline Answers *answers = nullptr;
