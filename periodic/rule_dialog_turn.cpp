#include "periodic/rule_dialog_turn.h"

namespace {
thread_local bool t_bRuleDialogUp = false;
}

CZelRuleDialogTurn::CZelRuleDialogTurn() : m_bTaken(!t_bRuleDialogUp) { t_bRuleDialogUp = true; }

CZelRuleDialogTurn::~CZelRuleDialogTurn()
{
    if (m_bTaken)
        t_bRuleDialogUp = false;
}
