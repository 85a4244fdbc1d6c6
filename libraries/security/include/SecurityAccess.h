#pragma once

// Rights enquiries of the security access library. The refused right codes are read afresh
// at every call from HKCU\Software\Fenwright\Security, REG_SZ DeniedRights ("3218,17");
// an absent value grants every right, a value that cannot be read refuses every right.

// Non-zero when the user holds the right; appends one line to the audit log.
int SecurityEnquire(int reserved, int rightCode, int options);
// Non-zero when the user holds the right; writes no audit record.
int SecurityEnquireNoAudit(int reserved, int rightCode);
