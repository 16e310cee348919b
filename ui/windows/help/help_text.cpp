#include "ui/windows/help/help_text.h"

#include <array>

#include "ui/print/program_title.h"

namespace kelp {
namespace {

constexpr std::array<HelpTopic, 12> kTopics{{
    {"overview", "What KELP does",
     R"(<p>KELP analyses one broken-back road culvert at a time: a barrel whose profile
breaks from an inlet section into a steep section and then into a flatter (or adverse)
outlet section. A <i>single</i> broken-back culvert has one break, at the foot of the
steep section; a <i>double</i> broken-back culvert also has an upper break between the
inlet section and the steep section.</p>
<p>For a discharge KELP computes the tailwater, the critical and normal depths of one
barrel, the headwater under inlet control and under break control (a backwater profile
from the upper break with entrance, friction, bend and exit losses), takes the higher as
the controlling headwater, and walks the water surface down the barrel, testing for a
hydraulic jump. It reports the depths and velocities at the inlet, the breaks and the
outlet, the jump's station and length, and the outlet Froude number.</p>
<p>Enter the data on the input form, then press one of the two analysis buttons beside
the groups. KELP computes in feet and cubic feet per second; in metric units it converts
what you type and what it shows.</p>)"},
    {"input", "The input form",
     R"(<p>Number fields take the digits and one decimal point only; a minus sign or a
letter beeps and is not taken. Enter moves to the next field. The field that has the
focus turns light blue. A greyed field does not take part in the analysis.</p>
<h3>Project Data</h3>
<p><b>Project</b>, <b>Station or Location</b> and <b>Date</b> are free text printed on
the results, the plots and the printed pages. The date starts as today's date.</p>
<h3>Culvert Data</h3>
<ul>
<li><b>Concrete Box</b>: <b>Span (per barrel)</b> and <b>Rise</b> in ft (m), and the
<b>Inlet Type</b> from the list of box inlets. Choosing the box resets both roughness
fields to 0.012.</li>
<li><b>Circular Pipe</b>: <b>Pipe Diameter</b> in ft (m) and the <b>Culvert Material</b>.
The material fills the inlet list (concrete inlets, or those of corrugated pipe) and sets
both roughness fields: 0.012 for concrete, 0.024 for corrugated metal, 0.031 for
corrugated aluminium. Choose the material before the inlet type.</li>
<li><b>Inlet Type</b> selects the inlet-control equation and the entrance loss
coefficient.</li>
<li><b>Roughness Coefficient</b> is Manning's n of the barrel. When you leave this field,
or analyse or save while you are in it, its value is copied into <b>Outlet Section
Roughness Coefficient</b>, the n used in the outlet section; change that one afterwards
if the outlet section differs.</li>
</ul>
<h3>Culvert Profile Data</h3>
<p>Choose <b>Single Broken-back</b> or <b>Double Broken-back</b>, then enter the station
and invert elevation, in ft (m), of the inlet, the upper break (double broken-back only),
the lower break and the outlet. Stations increase downstream. KELP refuses a steep
section steeper than 1.42 ft/ft with "Slope greater than allowable."; the design run also
refuses an inlet or outlet section that steep.</p>
<h3>Discharge Data</h3>
<p><b>Minimum Discharge</b>, <b>Design Discharge</b> and <b>Maximum Discharge</b> are the
total discharges through all barrels, in cfs (cms). <b>Number of Barrels</b> divides the
discharge equally among identical barrels. The design run needs minimum &lt; design &lt;
maximum; the range run accepts equal values.</p>
<h3>Tailwater Data</h3>
<ul>
<li><b>Constant Elevation</b>: a fixed tailwater elevation in ft (m), with no tailwater
velocity.</li>
<li><b>Downstream Channel</b>: the normal depth in a channel below the outlet. Choose the
<b>Channel Shape</b> (Trapezoid, Rectangle, Triangle or Circle) and enter the dimensions
it uses: <b>Bottom Width</b>, <b>Left Side Slope</b> and <b>Right Side Slope</b>
(horizontal to 1 vertical), or <b>Diameter</b>; then the <b>Bottom Slope</b> (ft/ft) and
the <b>Roughness Coefficient</b>. The list beside the roughness puts the n of a typical
channel into the field.</li>
<li><b>Irregular Downstream Channel</b>: the normal depth in a surveyed cross-section,
entered with <b>Create/Edit Irregular Channel Data</b>.</li>
</ul>)"},
    {"irregular", "The irregular channel editor",
     R"(<p><b>Create/Edit Irregular Channel Data</b> selects the irregular tailwater and opens
the window "Irregular TW Rating Curve".</p>
<ol>
<li>Type the <b>Number of Cross-section Coordinates</b> (3 to 15) and press <b>Click Here
to Enter Cross Section Data</b>; KELP checks the count and shows that many rows.</li>
<li>Enter each point's <b>Station</b> and <b>Elevation</b> across the channel, from left
to right looking downstream, in the unit shown in the column headings. The boxes take
digits, one decimal point and a leading minus sign, so points below zero can be typed.</li>
<li>Choose the <b>Subchannel Option</b>: left floodplain and main channel, both
floodplains and main channel, right floodplain and main channel, or a single main
channel. Give the coordinate numbers of the channel boundaries (the bank points that end
the main channel) that the option uses.</li>
<li>Enter Manning's n of each part used and the <b>Slope of Channel</b>.</li>
<li>Press <b>Save and Exit</b>.</li>
</ol>
<p>The cross-section is kept in feet whatever unit is shown, so switching units never
changes the surveyed points. When the discharge is too small to rate, exceeds the
capacity of the section, or holds the water at a bank where an overbank starts to flow,
the tailwater is taken at a fixed level and the result carries a warning.</p>)"},
    {"runs", "The two analyses",
     R"(<p><b>Press Button to Analyze Design Discharge</b> analyses the design discharge and
opens the result form.</p>
<p><b>Press Button to Analyze Range of Discharges</b> analyses eleven discharges from the
minimum to the maximum in ten equal steps, the design discharge taking the place of the
step just above it (a design discharge in the last step is not added), and opens the
rating table.</p>
<p>Both first check the data. An empty field gives "Input data is insufficient !";
discharges or stations out of order give a "Program Error:" message and put the cursor in
the field to correct. Nothing is analysed until the data passes.</p>)"},
    {"results", "The result form",
     R"(<p>The result form shows one discharge: the project lines, the culvert, then
<b>Output Data</b> (headwater depth, inlet and break control elevations, critical and
tailwater depths, whether a hydraulic jump forms, its station and length, outlet depth,
velocity and Froude number) and the <b>Water Surface Profile</b> (depths and velocities at
the inlet and the breaks, at the end of a jump, and of the downstream channel).</p>
<ul>
<li>The headwater is the higher of the inlet-control and break-control elevations; the
headwater depth is measured from the inlet invert.</li>
<li>"FULL" in place of the Froude number means the barrel flows full at the outlet.</li>
<li>"N/A" marks values that do not apply: the end of a jump when there is none, the
break control of a profile with no inlet section.</li>
<li>Warnings below the results say where an answer may be wrong, for example when a
depth had to be limited to the barrel or channel height.</li>
</ul>
<p><b>Press Button to Plot Profile</b> draws the water surface. <b>Press Button to Enter
HY-8 Energy Dissipation</b> hands this discharge to HY-8. <b>Press to Return to Data
Table</b> goes back to the input form after a design run, or to the rating table after a
row's detail; <b>Return</b> in the File menu always goes to the table.</p>)"},
    {"table", "The rating table",
     R"(<p>The Data Output Table lists, for each of the eleven discharges, the headwater
depth, the inlet and break control elevations, the outlet Froude number, the critical,
outlet and tailwater depths, the outlet and tailwater velocities, and whether a hydraulic
jump forms. A minimum discharge of 0 is not analysed: its row reads "NA".</p>
<p>The button beside a row ("Press # for Detailed Culvert Output") analyses that discharge
again and opens its result form. A row marked * carries a warning, explained under the
table.</p>
<p>The three buttons below the table draw the rating curves. <b>Press to Return to Input
Form</b> (or <b>Return</b>) closes the table.</p>)"},
    {"curves", "Rating curves",
     R"(<p>The rating curves plot the discharge of each analysed row across against the
headwater depth, the outlet depth or the outlet velocity up. The design discharge is marked
with its value ("Design D =" or "Design V ="), read off the curve where it falls between
two rows. Use them to see how the culvert behaves above and below the design flow, for
instance where the outlet changes from a jump to supercritical flow.</p>)"},
    {"profile", "The profile plot",
     R"(<p>The profile plot draws the barrel to scale, stations across and elevations up,
with its invert and crown through the inlet, the breaks and the outlet, and the computed
water surface. The headwater (HW) and tailwater (TW) levels, a hydraulic jump and the
vertical exaggeration are marked; the project, the culvert, the discharge, the three
section slopes and the main results are printed above the drawing. A barrel flowing full
is drawn with the water at the crown. Escape closes a plot window.</p>)"},
    {"printing", "Printing",
     R"(<p><b>Print Preview</b> shows the pages on screen, from where they can be printed;
<b>Print</b> asks for the printer first. To keep a file, choose printing to a PDF file in
the printer dialog. Every page carries the head "KESTREL DEPARTMENT OF ROADS", the
program's title, the date printed and the page number.</p>
<ul>
<li>From the input form: the input data (available once the three discharges are
filled in).</li>
<li>From the result form: the results and the profile plot.</li>
<li>From the rating table: the table and the three rating curves.</li>
</ul>
<p>Results print in the unit the window shows, with their warnings.</p>)"},
    {"file", "The File menu",
     R"(<ul>
<li><b>New</b> saves the current project under a name you choose, then clears the form
to its defaults. When the discharges are filled in it first asks "Save current file?":
answer No to clear the form without saving. Cancelling the file dialog leaves the form as
it was.</li>
<li><b>Open...</b> reads a KELP project (.klp); when the form has unsaved changes it
offers to save them first.</li>
<li><b>Save</b> writes the project to its file, asking for a name when it has none;
<b>Save As...</b> always asks, and the project then belongs to the new file. An existing
file is overwritten only after you agree; answer No to choose another name.</li>
<li><b>Exit</b> ends KELP, offering to save unsaved changes.</li>
</ul>
<p>A project file is plain comma-separated text in English units, whatever unit you work
in.</p>)"},
    {"units", "Units",
     R"(<p>The Unit menu switches between <b>English</b> (ft, cfs, ft/s) and <b>Metric</b>
(m, cms, m/s). On the input form every length and discharge is converted and shown
rounded (to 3 decimals in metric, 2 in English), but the number you entered is kept
behind it: switching back, saving and analysing use it until you edit the field.
Roughness, side slopes, bottom slopes and the number of barrels are never
converted. The result form and the table have their own unit menus, which change only
how the results are shown until you return to the input form.</p>)"},
    {"hy8", "HY-8 energy dissipation",
     R"(<p><b>Press Button to Enter HY-8 Energy Dissipation</b> hands the culvert and the
discharge on show to the FHWA program HY-8, for the design of an energy dissipator at the
outlet.</p>
<ol>
<li>The first time, KELP asks where HY-8's program file is; it remembers the answer.</li>
<li>Give the name for the HY-8 files (KELP by default). KELP reads HY-8's configuration
file HY8.CNF and writes the culvert input file (name.INP) and the performance file
(name.PC), in English units, into HY-8's data folder.</li>
<li>A message lists the keys to press in HY-8: "D" and the file name to set up the culvert
and output files, then "J" for the energy dissipator. OK starts HY-8; Cancel deletes the
two files.</li>
</ol>
<p>Use HY-8 only for energy dissipation with these files: its other options will not
work properly with them.</p>)"},
}};

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

std::string HelpHtml() {
    std::string html = "<h1>KELP Operating Instructions</h1><ul>";
    for (const HelpTopic& t : kTopics)
        html += std::string("<li><a href=\"#") + t.anchor + "\">" + t.title + "</a></li>";
    html += "</ul>";
    for (const HelpTopic& t : kTopics)
        html += std::string("<h2><a name=\"") + t.anchor + "\"></a>" + t.title + "</h2>" + t.html;
    return html;
}

std::string AboutHtml() {
    return std::string("<h3>") + kProgramTitle + "</h3><p>Version " + kProgramVersion +
           "</p><p>Hydraulic analysis of single and double broken-back road culverts.</p><p>" +
           kDepartmentHead + "</p>";
}

}  // namespace kelp
