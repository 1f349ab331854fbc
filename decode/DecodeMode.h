// How much a decoder writes: the one-line summary of the record list, the
// full field-by-field decode, or the decode handed to the gateway model.
#pragma once

enum DecodeMode : int { DM_Summary = 0, DM_Full = 1, DM_Gateway = 2 };
