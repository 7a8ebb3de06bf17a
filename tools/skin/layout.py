"""Where the scene puts things, in window pixels: the images are drawn to fit these places."""

WINDOW = (1000, 600)

# Silhouette of the window body: its top edge lies 5 pixels down, except for a crown that
# rises to the window's edge behind the logo. Cut corners: 12 at the top (small enough that
# the top bar's buttons stay inside), 16 at the bottom.
BODY_TOP = 5
BODY_TOP_CUT = 12
BODY_BOTTOM_CUT = 16
CROWN = (370, 630)
# The bottom edge steps up by a few pixels along its middle, answering the crown.
NOTCH = (420, 580)
NOTCH_DEPTH = 4
CORNER_ACCENT = 48

# The page area of the device view: (171, 96), 759 x 442.
PAGE_AREA = (171, 96, 171 + 759, 96 + 442)
PAGE_CORNERS = (0, 12, 0, 12)
# Dotted hairlines between the side columns and the page area.
FUNC_COLUMN_RULE_X = 164
PROFILE_COLUMN_RULE_X = 933

# Top bar: container at (8, 8); the two buttons 5 pixels in from its ends; the logo, 180
# wide, centred.
TOP_BAR = (8, 8)
TOP_BUTTON = 22
TOP_BUTTON_MARGIN = 5
LOGO_WIDTH = 180

# Profile menu at (936, 60): entries from 85 pixels below the container's top, 26 apart; the
# decoration over the right column lies across the container's head.
PROFILE_ENTRY = (48, 25)
PROFILE_FIRST_Y = 85
PROFILE_PITCH = 26

# Key pictures: keys sit on a 31-pixel pitch with 2-pixel gaps (the function row 8 pixels
# higher); the hardware definition's keys span 696 x 192 from (23, 97) of the key definition
# and key lighting pages, inside the picture area at (1, 68), 738 x 250.
KEY_PICTURE = (23, 97, 23 + 696, 97 + 192)
KEY_AREA = (1, 68, 1 + 738, 68 + 250)

# Bottom bar: the connection readout (light and firmware text) sits at the right end of the
# container's top rows.
READOUT = (904, 2, 981, 18)

# Settings page: the text-colour box at (27, 185), 270 x 176; the scene outlines it itself.
SETTINGS_TEXT_BOX = (27, 185, 27 + 270, 185 + 176)
SETTINGS_ROWS_Y = (40, 73, 106, 139)
SETTINGS_CONTROL_X = 139

# Macro page, in its own coordinates (the page and its background sit 46 pixels lower in the
# page area, and so does the back lighting page).
MACRO_LISTS = ((119, 55), (468, 55))
FILE_LIST = (151, 200)
