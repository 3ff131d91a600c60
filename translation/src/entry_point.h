// Internals of the entry point that white-box tests reach; not exported.
#ifndef VEXLAN_ENTRY_POINT_H
#define VEXLAN_ENTRY_POINT_H

namespace vexlan::entry {

// Non-zero from load until the first entry call has filled the catalogue.
extern unsigned char firstCall;

} // namespace vexlan::entry

#endif // VEXLAN_ENTRY_POINT_H
