// The gateway level of the decode tree: a record handed to the gateway is
// converted into its repository, and the tree lists what it stored, what
// that can feed on the other side, and everything the gateway would send
// now. The decoders reach these through the display slots of GatewayHooks;
// every gateway installs them when it is made.
#pragma once

class CTreeNode;
class CWXN;
struct N2kMessage;
struct SentenceRecord;

// Always true: a sentence that matches no receive entry adds no lines.
bool ShowN183Conversion(CTreeNode& node, const SentenceRecord& sentence, CWXN* gateway);
// False when no receive entry takes the PGN; the decoder then says so.
bool ShowN2kConversion(CTreeNode& node, const N2kMessage& message, CWXN* gateway);

void InstallConversionDisplays();
