#include "era_date.h"
#include "era_file_snapshot.h"

CEraDate::CEraDate() : m_nEra(1), m_date(COleDateTime::GetCurrentTime()) {}

CEraDate::CEraDate(int nEra, COleDateTime date) : m_nEra(nEra), m_date(date) {}

CEraDate::CEraDate(const CEraDate& src) = default;

const CEraDate& CEraDate::operator=(const CEraDate& src)
{
    m_nEra = src.m_nEra;
    m_date = src.m_date;
    return *this;
}

CEraDate::~CEraDate() = default;

CString CEraDate::Format()
{
    return ZelEraDateTextNow(m_nEra, m_date.GetYear(), m_date.GetMonth(), m_date.GetDay());
}

void CEraDate::SetEraDate(int nEra, COleDateTime date)
{
    m_nEra = nEra;
    m_date = date;
}

void CEraDate::SetDate(COleDateTime date) { m_date = date; }

COleDateTime CEraDate::GetDate() { return m_date; }

int CEraDate::GetEra() { return m_nEra; }
