// Every exported control's value as one set of numbers, so one test can give
// values to all of them and read them back, whatever each one's arguments.
#pragma once

#include <gtest/gtest.h>

#include "ZelCalCtrl.h"

struct ControlValue {
    int nDiv = 1, nYear = 0, nMonth = 0, nDay = 0, nNotify = 0, nInterval = 0;
    COleDateTime dt;
};

// Calls f with the fields of v that the control's SetChoiceData and
// GetChoiceData take, in their order.
template <class T, class F>
void WithFields(T& c, ControlValue& v, F f)
{
    if constexpr (requires { c.SetChoiceData(0, 0, 0, 0, 0, 0, v.dt); })
        f(v.nDiv, v.nYear, v.nMonth, v.nDay, v.nNotify, v.nInterval, v.dt);
    else if constexpr (requires { c.SetChoiceData(0, 0, 0, 0, 0, v.dt); })
        f(v.nDiv, v.nYear, v.nMonth, v.nDay, v.nInterval, v.dt);
    else if constexpr (requires { c.SetChoiceData(0, 0, 0, 0, 0); })
        f(v.nDiv, v.nYear, v.nMonth, v.nDay, v.nNotify);
    else if constexpr (requires { c.SetChoiceData(0, 0, 0, 0); })
        f(v.nDiv, v.nYear, v.nMonth, v.nDay);
    else if constexpr (requires { c.SetChoiceData(0, 0, 0); })
        f(v.nDiv, v.nYear, v.nNotify);
    else
        f(v.nDiv, v.nYear);
}

template <class T>
void GiveValue(T& c, ControlValue v)
{
    WithFields(c, v, [&c](auto&... fields) { c.SetChoiceData(fields...); });
}

template <class T>
ControlValue ReadValue(T& c)
{
    ControlValue v;
    WithFields(c, v, [&c](auto&... fields) { c.GetChoiceData(fields...); });
    return v;
}

// Whether the control's value carries the notification flag.
template <class T>
constexpr bool kHasNotify = requires(T& c, int& n) { c.GetChoiceData(n, n, n); } ||
                            requires(T& c, int& n) { c.GetChoiceData(n, n, n, n, n); } ||
                            requires(T& c, int& n, COleDateTime& dt) { c.GetChoiceData(n, n, n, n, n, n, dt); };

// The exported controls a host places in its dialog.
using AllControls = ::testing::Types<CZelCalNorm, CZelCalNormCal, CZelCalBirth, CZelCalBirthNotify,
                                     CZelCalNormNotify, CZelCalReg, CZelCalRegNotify, CZelCalRegNotNotify>;
