#include "afx.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>

using IntArray = CArray<int, int>;

static_assert(!std::is_copy_constructible_v<IntArray>, "arrays are not copied");
static_assert(!std::is_copy_assignable_v<IntArray>, "arrays are not copied");

TEST(CArrayTest, AddReadAndChange)
{
    IntArray arr;
    EXPECT_TRUE(arr.IsEmpty());
    EXPECT_EQ(arr.Add(10), 0);
    EXPECT_EQ(arr.Add(20), 1);
    EXPECT_EQ(arr.Add(30), 2);
    EXPECT_FALSE(arr.IsEmpty());
    EXPECT_EQ(arr.GetSize(), 3);
    EXPECT_EQ(arr.GetCount(), 3);

    EXPECT_EQ(arr.GetAt(1), 20);
    arr.ElementAt(1) = 21;
    arr[2] += 1;
    const IntArray& constArr = arr;
    EXPECT_EQ(constArr[1], 21);
    EXPECT_EQ(constArr[2], 31);
    EXPECT_EQ(arr.GetAt(0), 10);
}

TEST(CArrayTest, AddTakesACopyEvenOfItsOwnElement)
{
    CArray<CString, CString&> arr;
    CString s("one");
    arr.Add(s);
    s = "changed";
    EXPECT_EQ(arr[0], "one");
    for (int i = 0; i < 100; ++i)  // growth must not disturb the argument
        arr.Add(arr.ElementAt(0));
    EXPECT_EQ(arr.GetSize(), 101);
    EXPECT_EQ(arr[100], "one");
}

TEST(CArrayTest, RemoveAndResize)
{
    IntArray arr;
    for (int i = 0; i < 6; ++i)
        arr.Add(i);
    arr.RemoveAt(1, 2);  // 0 3 4 5
    ASSERT_EQ(arr.GetSize(), 4);
    EXPECT_EQ(arr[0], 0);
    EXPECT_EQ(arr[1], 3);
    arr.RemoveAt(3);  // 0 3 4
    EXPECT_EQ(arr.GetSize(), 3);
    EXPECT_EQ(arr[2], 4);
    arr.RemoveAt(3, 0);  // an empty range at the end is allowed
    EXPECT_EQ(arr.GetSize(), 3);

    arr.SetSize(5);
    EXPECT_EQ(arr.GetSize(), 5);
    EXPECT_EQ(arr[4], 0);
    arr.SetSize(1);
    EXPECT_EQ(arr.GetSize(), 1);
    EXPECT_EQ(arr[0], 0);

    arr.RemoveAll();
    EXPECT_TRUE(arr.IsEmpty());
}

TEST(CArrayTest, OutOfRangeThrowsAndLeavesTheArrayAlone)
{
    IntArray arr;
    EXPECT_THROW(arr.GetAt(0), std::out_of_range);
    arr.Add(1);
    arr.Add(2);
    EXPECT_THROW(arr.GetAt(2), std::out_of_range);
    EXPECT_THROW(arr.GetAt(-1), std::out_of_range);
    EXPECT_THROW(arr.ElementAt(2), std::out_of_range);
    EXPECT_THROW(arr[5], std::out_of_range);
    const IntArray& constArr = arr;
    EXPECT_THROW(constArr[-1], std::out_of_range);
    EXPECT_THROW(arr.RemoveAt(2), std::out_of_range);
    EXPECT_THROW(arr.RemoveAt(1, 2), std::out_of_range);
    EXPECT_THROW(arr.RemoveAt(-1, 1), std::out_of_range);
    EXPECT_THROW(arr.RemoveAt(0, -1), std::out_of_range);
    EXPECT_THROW(arr.SetSize(-1), std::invalid_argument);
    ASSERT_EQ(arr.GetSize(), 2);
    EXPECT_EQ(arr[0], 1);
    EXPECT_EQ(arr[1], 2);
}
