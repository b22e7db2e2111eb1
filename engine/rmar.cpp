// The Marsaglia-Zaman lagged-Fibonacci generator (RANMAR).
#include "engine/random.h"

namespace tarvelle {

void Rmar::RanmarInit(int ij, int kl)
{
    if (ij < 0 || ij > 31328 || kl < 0 || kl > 30081)
        throw RanmarError("!!");

    int i = (ij / 177) % 177 + 2;
    int j = ij % 177 + 2;
    int k = (kl / 169) % 178 + 1;
    int l = kl % 169;
    for (int ii = 1; ii <= 97; ++ii) {
        double s = 0.0;
        double t = 0.5;
        for (int jj = 0; jj < 24; ++jj) {
            const int m = (((i * j) % 179) * k) % 179;
            i = j;
            j = k;
            k = m;
            l = (53 * l + 1) % 169;
            if ((l * m) % 64 >= 32)
                s += t;
            t *= 0.5;
        }
        m_u[ii] = s;
    }
    m_c = 362436.0 / 16777216.0;
    m_cd = 7654321.0 / 16777216.0;
    m_cm = 16777213.0 / 16777216.0;
    m_i97 = 97;
    m_j97 = 33;
    m_ready = true;
}

double Rmar::RanmarNext()
{
    if (!m_ready)
        throw RanmarError("!");

    // The wrap-arounds are written as additions of 0 or 1 so that the compiler can
    // avoid branches that a random stream would mispredict half the time.
    double uni = m_u[m_i97] - m_u[m_j97];
    uni += double(uni < 0.0);
    m_u[m_i97] = uni;
    m_i97 = m_i97 == 1 ? 97 : m_i97 - 1;
    m_j97 = m_j97 == 1 ? 97 : m_j97 - 1;
    m_c -= m_cd;
    m_c += double(m_c < 0.0) * m_cm;
    uni -= m_c;
    uni += double(uni < 0.0);
    return uni;
}

} // namespace tarvelle
