// One rule dialog at a time on a thread: while one is up, a second 設定 or a
// double-click on the rule text opens none.
#pragma once

class CZelRuleDialogTurn {
public:
    CZelRuleDialogTurn();
    ~CZelRuleDialogTurn();
    CZelRuleDialogTurn(const CZelRuleDialogTurn&) = delete;
    CZelRuleDialogTurn& operator=(const CZelRuleDialogTurn&) = delete;

    // False when another rule dialog already has the turn: open none.
    bool Taken() const { return m_bTaken; }

private:
    bool m_bTaken;
};
