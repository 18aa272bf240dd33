#pragma once

#include "graph/BitGraph.h"

class Graph;

/// Metric multidimensional scaling: places the vertices so that their Euclidean distances follow
/// the graph distances of the best graph, scaled so that the largest finite distance equals size.
/// The constructor does the whole layout. Random draws continue the calling thread's qrand().
class MDS
{
public:
    /// Lays out the best graph of graph and writes the centred positions into its vertex items.
    /// dim is 2 or 3 (other values are clamped). Fewer than 2 vertices, a best graph without
    /// edges, or a size that is not a positive number leave every position as it was.
    MDS(Graph *graph, double size, int dim);
    /// The same layout of a plain graph, read back through position().
    MDS(const BitGraph &g, double size, int dim);
    ~MDS();
    MDS(const MDS &) = delete;
    MDS &operator=(const MDS &) = delete;

    /// Target distances and largest distance, scaled to the size; false when nothing can be
    /// scaled (fewer than 2 vertices, no edge, or a size that is not a positive number).
    bool load(Graph *graph);
    bool load(const BitGraph &g);
    void random_solution();
    /// (qrand() mod 100000) / 100000: [0, 0.99999] in steps of 1e-5.
    double unif01();
    void compute_distance();
    /// Sum of squared residuals; a pair already farther apart than L whose target is beyond L
    /// (different components) costs nothing.
    double stress() const;
    double kernel(double x) const { return 1.0 / x; }
    void compute_grad();
    void apply(double step);
    void backup();
    void restore();
    void std_local_search();
    void local_search();
    void perturb(unsigned int k);
    void vns();
    void optimize();

    /// False when the layout returned early and wrote nothing.
    bool laidOut() const { return m_laidOut; }
    int order() const { return static_cast<int>(m_n); }
    int dimension() const { return static_cast<int>(m_dim); }
    double targetDistance(int i, int j) const { return m_D[i][j]; }
    double largestDistance() const { return m_L; }
    /// Coordinate d of vertex i of the final (centred) layout.
    double position(int i, int d) const { return m_X[i][d]; }

private:
    void run(const BitGraph &g);
    double residual(int i, int j) const;
    void writePositions();

    unsigned int m_n = 0;
    double m_D[32][32] = {};
    double m_X[32][3] = {};
    double m_Xb[32][3] = {};
    double m_E[32][32] = {};
    double m_G[32][3] = {};
    unsigned int m_dim = 2;
    double m_bestStress = 1e16;
    double m_L = 0.0;
    const double m_tolerance = 1e-5;
    const double m_initialStep = 0.05;
    unsigned int m_smallestShake = 1;
    unsigned int m_largestShake = 0;
    Graph *m_graph = nullptr;
    double m_size = 0.0;
    bool m_laidOut = false;
};
