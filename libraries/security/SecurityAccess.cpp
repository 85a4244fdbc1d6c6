#include "SecurityAccess.h"

#include "CAuditLog.h"
#include "CSecurityPolicy.h"

int SecurityEnquire(int /*reserved*/, int rightCode, int /*options*/)
{
    const bool granted = CSecurityPolicy::IsGranted(rightCode);
    // A right that cannot be audited is not granted.
    if (!CAuditLog::Append(rightCode, granted))
        return 0;
    return granted ? 1 : 0;
}

int SecurityEnquireNoAudit(int /*reserved*/, int rightCode)
{
    return CSecurityPolicy::IsGranted(rightCode) ? 1 : 0;
}
