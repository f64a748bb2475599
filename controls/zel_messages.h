// The texts the controls show to the user.
#pragma once

#define ZEL_CAPTION "ゼルノート"
#define ZEL_MSG_DATE_ERROR "日付の入力に誤りがあります。"
#define ZEL_MSG_INVALID_INPUT "日付の入力に誤りがあります。(入力不正)"
#define ZEL_MSG_NOT_NUMERIC "日付の入力に誤りがあります。(数字以外の入力)"
#define ZEL_MSG_ENTER_NUMBER "数値を入力してください。"
