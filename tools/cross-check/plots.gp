# The accuracy report's plots, from the differences cross-check writes (--plot-data):
#   gnuplot -e "data='build/accuracy/differences.tsv'; out='docs/accuracy'" tools/cross-check/plots.gp
# A line a birth, a column a figure (named as in the tool's table of figures), NaN where the
# birth gave no value.
set datafile separator "\t"
set datafile columnheaders
set datafile missing "NaN"
set terminal pngcairo size 1500,1000 font "DejaVu Sans,10"
set grid
unset key
set xzeroaxis lt -1

# Difference against date, one panel a body: the precise sky in seconds of arc.
set output out."/bodies-precise.png"
set multiplot layout 3,4 title "Precise sky (Lahiri) less the reference, seconds of arc, by year of birth"
set xrange [1900:2151]
set xtics 50
do for [b in "sun moon mercury venus mars jupiter saturn rahu-mean rahu-true lagna mc ayanamsa"] {
    set title b
    plot data using "year":"precise.lahiri.".b with points pt 7 ps 0.2 lc rgb "#1f5fa0"
}
unset multiplot

# The built-in formulas in minutes of arc, over the years they serve.
set output out."/bodies-builtin.png"
set multiplot layout 3,4 title "Built-in formulas less the reference (Lahiri, mean node), minutes of arc, by year of birth"
set xrange [1900:2051]
do for [b in "sun moon mercury venus mars jupiter saturn rahu lagna lagna-polar mc ayanamsa"] {
    set title b
    plot data using "year":"builtin.".b with points pt 7 ps 0.2 lc rgb "#a0401f"
}
unset multiplot

# How the limbs' end times spread: the precise sky in seconds, the built-in one in minutes.
bin(x, w) = w * floor(x / w) + w / 2
set output out."/limb-ends.png"
set terminal pngcairo size 1500,600 font "DejaVu Sans,10"
set multiplot layout 1,2 title "When the tithi, nakshatra, yoga and karana end: the program less the reference"
set key top right
set autoscale x
set xtics autofreq
set ylabel "births"
set title "Precise sky (Lahiri)"
set xlabel "seconds"
w = 0.004
plot for [l in "tithi nakshatra yoga karana"] data using (bin(column("precise.".l), w)):(1.0) smooth freq with steps lw 2 title l
set title "Built-in formulas"
set xlabel "minutes"
w = 0.2
plot for [l in "tithi nakshatra yoga karana"] data using (bin(column("builtin.".l), w)):(1.0) smooth freq with steps lw 2 title l
unset multiplot

# Sunrise and sunset against the latitude of birth.
set output out."/sunrise.png"
set multiplot layout 1,2 title "Sunrise and sunset: the program less the reference, seconds, by latitude"
set xrange [-76:76]
set xtics 15
set xlabel "latitude (degrees, north positive)"
set ylabel "seconds"
set title "Centre of the disc on the true horizon"
plot data using "latitude":"sunrise.centre" with points pt 7 ps 0.3 title "sunrise", \
     data using "latitude":"sunset.centre" with points pt 7 ps 0.3 title "sunset"
set title "Upper limb, 34' of refraction"
plot data using "latitude":"sunrise.limb" with points pt 7 ps 0.3 title "sunrise", \
     data using "latitude":"sunset.limb" with points pt 7 ps 0.3 title "sunset"
unset multiplot
